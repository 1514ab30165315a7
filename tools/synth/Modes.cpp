#include "synth/Modes.h"

#include <cmath>

namespace synth {

Signal Strike(const std::vector<Mode>& modes, double seconds) {
  Signal s(Samples(seconds), 0.0);
  for (const Mode& m : modes) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double t = TimeOf(i);
      s[i] += m.gain * std::exp(-t / m.decay) * std::sin(2.0 * kPi * m.hz * t);
    }
  }
  return s;
}

}  // namespace synth
