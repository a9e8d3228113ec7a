#include "line_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dsupdump {

namespace {

constexpr double rightMargin = 30;

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void include(double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  }
};

// The lowest and the highest point of each pixel column, in the order of the series.
std::vector<std::pair<double, double>> thinned(const std::vector<std::pair<double, double>>& points,
                                               const PlotArea& area, const AxisScale& x) {
  std::vector<std::pair<double, double>> kept;
  auto columnOf = [&](double value) { return static_cast<long>(std::floor(area.x(x, value))); };
  std::size_t columnStart = 0;
  while (columnStart < points.size()) {
    std::size_t end = columnStart, lowest = columnStart, highest = columnStart;
    while (end < points.size() && columnOf(points[end].first) == columnOf(points[columnStart].first)) {
      if (points[end].second < points[lowest].second) lowest = end;
      if (points[end].second > points[highest].second) highest = end;
      ++end;
    }
    kept.push_back(points[std::min(lowest, highest)]);
    if (lowest != highest) kept.push_back(points[std::max(lowest, highest)]);
    columnStart = end;
  }
  return kept;
}

}  // namespace

void writeLinePlot(std::ostream& out, const LineSeries& series) {
  std::vector<std::pair<double, double>> points;
  Range x, y;
  for (const auto& point : series.points) {
    if (!std::isfinite(point.first) || !std::isfinite(point.second)) continue;
    points.push_back(point);
    x.include(point.first);
    y.include(point.second);
  }
  const PlotArea area = plotAreaLeaving(rightMargin);
  openPage(out, series.title);
  if (points.empty()) {
    writeAxes(out, area, {}, {}, series.xLabel, series.yLabel);
    writeNote(out, area, "no points");
    closePage(out);
    return;
  }
  const AxisScale xScale = exactScale(std::min(0.0, x.low), x.high), yScale = roundedScale(y.low, y.high);
  writeAxes(out, area, xScale, yScale, series.xLabel, series.yLabel);
  out << "<polyline id=\"signal\" fill=\"none\" stroke=\"steelblue\" stroke-width=\"1\" stroke-linejoin=\"round\" "
         "points=\"";
  const char* separator = "";
  for (const auto& [xValue, yValue] : thinned(points, area, xScale)) {
    out << separator << coordinate(area.x(xScale, xValue)) << ',' << coordinate(area.y(yScale, yValue));
    separator = " ";
  }
  out << "\"/>\n";
  closePage(out);
}

}  // namespace dsupdump
