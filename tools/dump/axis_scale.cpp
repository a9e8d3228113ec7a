#include "axis_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace dsupdump {

namespace {

constexpr int targetSteps = 5;
constexpr int mostTicks = 16;  // bounds the loop where the doubles are too coarse to count ticks
// Tick values are written as decimals from 0.0001 to below 10 million, else with an exponent, so
// that a label stays within the axis' margin.
constexpr double smallestFixed = 1e-4, largestFixed = 1e7;

// A step of mantissa × 10^exponent (mantissa 1, 2 or 5), whose multiples are computed without
// the rounding errors of repeated addition: 3 × 0.05 is 0.15, not 0.15000000000000002.
struct RoundStep {
  double mantissa = 1.0;
  int exponent = 0;

  double multiple(double count) const {
    const double power = std::pow(10.0, std::abs(exponent));
    return exponent >= 0 ? count * mantissa * power : count * mantissa / power;
  }
  double value() const { return multiple(1.0); }
};

// The round step nearest to a fifth of the span.
RoundStep roundStep(double low, double high) {
  const double rough = high / targetSteps - low / targetSteps;  // no overflow for the widest ranges
  int exponent = static_cast<int>(std::floor(std::log10(rough)));
  const double fraction = rough / std::pow(10.0, exponent);
  double mantissa = 10.0;
  if (fraction < 1.5) mantissa = 1.0;
  else if (fraction < 3.0) mantissa = 2.0;
  else if (fraction < 7.0) mantissa = 5.0;
  if (mantissa == 10.0) {
    mantissa = 1.0;
    ++exponent;
  }
  return {mantissa, exponent};
}

// A range of one value gets room around it, so that it has a place on the axis.
void widenIfFlat(double& low, double& high) {
  if (high > low) return;
  const double half = low == 0.0 ? 1.0 : std::abs(low) / 10.0;
  low -= half;
  high += half;
}

// The axis from low to high with the multiples first to last of the step as its ticks.
AxisScale scaleWithin(double low, double high, const RoundStep& step, double first, double last) {
  AxisScale scale{low, high, step.value(), {}};
  for (int i = 0; i < mostTicks && first + i <= last; ++i) scale.ticks.push_back(step.multiple(first + i) + 0.0);  // no -0
  return scale;
}

AxisScale exactScale(double low, double high, const RoundStep& step) {
  // An end within a tenth of a step of a tick moves out to it: a run of 599.99 s ends at 10 min.
  const double slack = step.value() / 10;
  double first = std::ceil((low - slack) / step.value()), last = std::floor((high + slack) / step.value());
  return scaleWithin(std::min(low, step.multiple(first)), std::max(high, step.multiple(last)), step, first, last);
}

}  // namespace

AxisScale roundedScale(double low, double high) {
  widenIfFlat(low, high);
  const RoundStep step = roundStep(low, high);
  const double first = std::floor(low / step.value()), last = std::ceil(high / step.value());
  return scaleWithin(step.multiple(first), step.multiple(last), step, first, last);
}

AxisScale exactScale(double low, double high) {
  widenIfFlat(low, high);
  return exactScale(low, high, roundStep(low, high));
}

AxisScale indexScale(std::size_t count) {
  const double high = count == 0 ? 1.0 : static_cast<double>(count);
  const RoundStep step = roundStep(0.0, high);
  return exactScale(0.0, high, step.value() < 1.0 ? RoundStep{} : step);
}

std::string tickLabel(double value) {
  char text[400];  // the longest fixed form of a double
  const double magnitude = std::abs(value);
  const bool fixed = value == 0 || (magnitude >= smallestFixed && magnitude < largestFixed);
  const auto end = fixed ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr
                         : std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace dsupdump
