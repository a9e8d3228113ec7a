// A heat map as an SVG page: spectra side by side along the x axis (time), each spectrum's values
// up the y axis (their index), every value a colour of the scale shown in the legend.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "svg_page.h"

namespace dsupdump {

struct HeatMapColumn {
  double x;  // where the column starts; it reaches to the next column's start
  std::vector<std::int32_t> values;
};

struct HeatMap {
  PlotTitle title;
  std::string xLabel;
  std::string yLabel;
  std::string valueLabel;
  std::vector<HeatMapColumn> columns;  // REQUIRES: x strictly increasing and finite
};

// Writes the heat map: the x axis from 0 (or the first column, when it starts before 0) to the end
// of the last column, which is as wide as the columns are on average; the y axis from 0 to the
// number of values of the longest column, value i from i to i + 1; the colours on a round scale
// around every value. Columns and values that share a pixel show the largest of their values, so
// that peaks stay visible and the page stays small.
void writeHeatMap(std::ostream& out, const HeatMap& map);

}  // namespace dsupdump
