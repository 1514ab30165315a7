#include "core/model/RuntimeError.h"

std::string ErrorDescription(int number) {
  switch (number) {
    case kErrOverflow:
      return "Overflow";
    case kErrSubscript:
      return "Subscript out of range";
    case kErrFileNotFound:
      return "File not found";
    case kErrInvalidPicture:
      return "Invalid picture";
    default:
      return "Application-defined or object-defined error";
  }
}

void RaiseError(int number) {
  throw RuntimeError(number, ErrorDescription(number));
}

void RaiseError(int number, const std::string& description) {
  throw RuntimeError(number, description);
}
