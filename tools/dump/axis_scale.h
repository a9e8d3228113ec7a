// The scale of a plot's axis: where it starts and ends and its round tick values, steps of 1, 2
// or 5 times a power of ten, so that a reader can take values off the plot at a glance.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dsupdump {

struct AxisScale {
  double low = 0.0;   // the axis starts here
  double high = 1.0;  // and ends here
  double step = 1.0;
  std::vector<double> ticks;  // the multiples of `step` from low to high, in order

  // Where `value` lies along the axis: 0 at `low`, 1 at `high`.
  double fraction(double value) const { return (value - low) / (high - low); }
};

// An axis for values from `low` to `high` with about five steps, widened to the ticks that enclose
// the values (a value axis: 1043 to 121496 becomes 0 to 140000 in steps of 20000).
AxisScale roundedScale(double low, double high);

// An axis from `low` to `high` with about five steps, the ticks within it (a time or an index axis,
// which starts and ends with the data); an end within a tenth of a step of a tick moves out to it.
AxisScale exactScale(double low, double high);

// An axis of `count` places, from 0 to `count` (place i from i to i + 1), its ticks at round whole
// numbers.
AxisScale indexScale(std::size_t count);

// A tick value as a reader expects it: "0.15", "20000", "1.2e+11" (an exponent from 10 million on
// and below 0.0001).
std::string tickLabel(double value);

}  // namespace dsupdump
