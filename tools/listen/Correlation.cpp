#include "Correlation.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <utility>

namespace listening {

namespace {

using Spectrum = std::vector<std::complex<double>>;

// In place, iterative radix 2; the size is a power of two.
void Transform(Spectrum& a, bool inverse) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const double angle = 2 * std::numbers::pi / static_cast<double>(len) * (inverse ? 1 : -1);
    const std::complex<double> step(std::cos(angle), std::sin(angle));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w(1);
      for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
}

Spectrum Padded(const std::vector<float>& samples, std::size_t n) {
  Spectrum s(n);
  for (std::size_t i = 0; i < samples.size(); ++i) s[i] = samples[i];
  return s;
}

}  // namespace

std::vector<double> CrossCorrelate(const std::vector<float>& sound,
                                   const std::vector<float>& stretch) {
  if (sound.empty() || stretch.size() < sound.size()) return {};
  std::size_t n = 1;
  while (n < stretch.size() + sound.size()) n <<= 1;
  Spectrum s = Padded(sound, n), t = Padded(stretch, n);
  Transform(s, false);
  Transform(t, false);
  for (std::size_t i = 0; i < n; ++i) t[i] *= std::conj(s[i]);
  Transform(t, true);
  std::vector<double> c(stretch.size() - sound.size() + 1);
  for (std::size_t l = 0; l < c.size(); ++l) c[l] = t[l].real() / static_cast<double>(n);
  return c;
}

}  // namespace listening
