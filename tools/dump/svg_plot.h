// A line plot as an SVG document: the points of a signal against time, or one value per spectrum.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace dsupdump {

struct PlotSeries {
  std::string title;
  std::string xLabel;
  std::string yLabel;
  std::vector<std::pair<double, double>> points;  // (x, y) in the order of x
};

// Writes the plot: a frame with ticks on both axes, labels, and the points joined by a line.
// Points that are not finite are left out. Long series are thinned to the lowest and the highest
// point of each pixel column, so that peaks stay visible and the document stays small.
void writeSvgPlot(std::ostream& out, const PlotSeries& series);

}  // namespace dsupdump
