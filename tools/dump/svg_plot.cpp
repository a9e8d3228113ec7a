#include "svg_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace dsupdump {

namespace {

constexpr double width = 800, height = 400;
constexpr double left = 80, right = 40, top = 40, bottom = 50;
constexpr double plotWidth = width - left - right, plotHeight = height - top - bottom;
constexpr int ticks = 5;

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void include(double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  }
  // A range of one value is widened, so that every point has a place.
  void widenIfFlat() {
    if (high > low) return;
    low -= 1;
    high += 1;
  }
};

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
  }
  return out;
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// The lowest and the highest point of each pixel column, in the order of the series.
std::vector<std::pair<double, double>> thinned(const std::vector<std::pair<double, double>>& points, const Range& x) {
  std::vector<std::pair<double, double>> kept;
  std::size_t columnStart = 0;
  auto columnOf = [&](double value) { return static_cast<long>((value - x.low) / (x.high - x.low) * plotWidth); };
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

void writeSvgPlot(std::ostream& out, const PlotSeries& series) {
  std::vector<std::pair<double, double>> points;
  Range x, y;
  for (const auto& point : series.points) {
    if (!std::isfinite(point.first) || !std::isfinite(point.second)) continue;
    points.push_back(point);
    x.include(point.first);
    y.include(point.second);
  }
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
      << "\" viewBox=\"0 0 " << width << ' ' << height << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
      << "<text x=\"" << width / 2 << "\" y=\"24\" text-anchor=\"middle\" font-size=\"14\">" << escaped(series.title)
      << "</text>\n"
      << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << plotWidth << "\" height=\"" << plotHeight
      << "\" fill=\"none\" stroke=\"black\"/>\n"
      << "<text x=\"" << left + plotWidth / 2 << "\" y=\"" << height - 10 << "\" text-anchor=\"middle\">"
      << escaped(series.xLabel) << "</text>\n"
      << "<text x=\"16\" y=\"" << top + plotHeight / 2 << "\" text-anchor=\"middle\" transform=\"rotate(-90 16 "
      << top + plotHeight / 2 << ")\">" << escaped(series.yLabel) << "</text>\n";
  if (points.empty()) {
    out << "<text x=\"" << left + plotWidth / 2 << "\" y=\"" << top + plotHeight / 2
        << "\" text-anchor=\"middle\">no points</text>\n</svg>\n";
    return;
  }
  x.widenIfFlat();
  y.widenIfFlat();
  auto px = [&](double value) { return left + (value - x.low) / (x.high - x.low) * plotWidth; };
  auto py = [&](double value) { return top + plotHeight - (value - y.low) / (y.high - y.low) * plotHeight; };
  for (int i = 0; i <= ticks; ++i) {
    const double xValue = x.low + (x.high - x.low) * i / ticks, yValue = y.low + (y.high - y.low) * i / ticks;
    out << "<text x=\"" << coordinate(px(xValue)) << "\" y=\"" << top + plotHeight + 16
        << "\" text-anchor=\"middle\">" << number(xValue) << "</text>\n"
        << "<text x=\"" << left - 6 << "\" y=\"" << coordinate(py(yValue) + 4) << "\" text-anchor=\"end\">"
        << number(yValue) << "</text>\n";
  }
  out << "<polyline fill=\"none\" stroke=\"steelblue\" stroke-width=\"1\" points=\"";
  const char* separator = "";
  for (const auto& [xValue, yValue] : thinned(points, x)) {
    out << separator << coordinate(px(xValue)) << ',' << coordinate(py(yValue));
    separator = " ";
  }
  out << "\"/>\n</svg>\n";
}

}  // namespace dsupdump
