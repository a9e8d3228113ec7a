// A detector signal for the demo: a drifting baseline with Gaussian peaks and some noise, the
// same for every run of the same seed.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace demo {

struct Peak {
  double time;    // seconds
  double height;  // detector units
  double width;   // seconds (standard deviation)
};

class Chromatogram {
 public:
  Chromatogram(std::vector<Peak> peaks, double noise, std::uint32_t seed)
      : peaks_(std::move(peaks)), noise_(0.0, noise), random_(seed) {}

  double at(double seconds) {
    double value = 1000.0 + 2.0 * seconds;  // baseline drift
    for (const Peak& peak : peaks_) {
      const double z = (seconds - peak.time) / peak.width;
      value += peak.height * std::exp(-0.5 * z * z);
    }
    return value + noise_(random_);
  }

 private:
  std::vector<Peak> peaks_;
  std::normal_distribution<double> noise_;
  std::mt19937 random_;
};

}  // namespace demo
