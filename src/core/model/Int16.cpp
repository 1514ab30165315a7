#include "core/model/Int16.h"

#include <cmath>

namespace int16 {

i16 Checked(long long value) {
  if (value < -32768 || value > 32767) RaiseError(kErrOverflow);
  return static_cast<i16>(value);
}

i16 Round(double value) {
  if (!std::isfinite(value) || value < -32768.5 || value > 32767.5) RaiseError(kErrOverflow);
  return Checked(static_cast<long long>(std::nearbyint(value)));  // default mode: ties to even
}

std::uint8_t ToByte(long long value) {
  if (value < 0 || value > 255) RaiseError(kErrOverflow);
  return static_cast<std::uint8_t>(value);
}

}  // namespace int16
