// A line plot as an SVG page: the points of a signal against time.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "svg_page.h"

namespace dsupdump {

struct LineSeries {
  PlotTitle title;
  std::string xLabel;
  std::string yLabel;
  std::vector<std::pair<double, double>> points;  // (x, y) in the order of x
};

// Writes the plot: the x axis from 0 (or the first point, when it lies before 0) to the last point,
// the y axis around the values with round ticks, and the points joined by a line. Points that are
// not finite are left out. Long series are thinned to the lowest and the highest point of each
// pixel column, so that peaks stay visible and the page stays small.
void writeLinePlot(std::ostream& out, const LineSeries& series);

}  // namespace dsupdump
