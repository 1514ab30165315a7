#pragma once
// A run-time error: a number and its description, as the player sees it in a message box.

#include <stdexcept>
#include <string>

inline constexpr int kErrOverflow = 6;          // "Overflow"
inline constexpr int kErrSubscript = 9;         // "Subscript out of range"
inline constexpr int kErrFileNotFound = 53;     // "File not found"
inline constexpr int kErrInvalidPicture = 481;  // "Invalid picture"

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }
  std::string Description() const { return what(); }

 private:
  int number_;
};

// The standard description of a numbered error ("Overflow" for 6, ...).
std::string ErrorDescription(int number);

[[noreturn]] void RaiseError(int number);
[[noreturn]] void RaiseError(int number, const std::string& description);
