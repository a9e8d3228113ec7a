#include "heat_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace dsupdump {

namespace {

constexpr double legendMargin = 110;  // the colour bar right of the plot, its ticks and its label
constexpr double barGap = 16, barWidth = 14, tickLength = 5;
constexpr int levels = 64;  // colours of the cells: runs of one colour are drawn as one cell
constexpr int noValue = -1;

struct Rgb {
  double red, green, blue;
};

// From dark blue over teal and green to yellow: brightness grows with the value, so that the map
// reads in grey too.
constexpr std::array<Rgb, 9> palette = {{{68, 1, 84},
                                         {71, 44, 122},
                                         {59, 81, 139},
                                         {44, 113, 142},
                                         {33, 144, 141},
                                         {39, 173, 129},
                                         {92, 200, 99},
                                         {170, 220, 50},
                                         {253, 231, 37}}};

std::string colourAt(double fraction) {
  const double at = std::clamp(fraction, 0.0, 1.0) * (palette.size() - 1);
  const auto below = std::min(static_cast<std::size_t>(at), palette.size() - 2);
  const double share = at - static_cast<double>(below);
  auto mix = [&](double Rgb::*part) {
    return static_cast<int>(std::lround(palette[below].*part * (1 - share) + palette[below + 1].*part * share));
  };
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", mix(&Rgb::red), mix(&Rgb::green), mix(&Rgb::blue));
  return text;
}

int levelOf(const AxisScale& scale, double value) {
  return std::min(levels - 1, static_cast<int>(std::clamp(scale.fraction(value), 0.0, 1.0) * levels));
}

using Group = std::pair<std::size_t, std::size_t>;  // [begin, end)

// The runs of consecutive items whose edges fall on the same pixel edge.
template <typename EdgeOf>
std::vector<Group> pixelGroups(std::size_t count, EdgeOf edgeOf) {
  std::vector<Group> groups;
  for (std::size_t begin = 0, end; begin < count; begin = end) {
    for (end = begin + 1; end < count && edgeOf(end) == edgeOf(begin);) ++end;
    groups.emplace_back(begin, end);
  }
  return groups;
}

// The colour level of the largest value of the columns and rows given, or noValue.
int levelOf(const HeatMap& map, const AxisScale& valueScale, Group columns, Group rows) {
  std::int64_t largest = std::numeric_limits<std::int64_t>::min();
  for (std::size_t c = columns.first; c < columns.second; ++c) {
    const std::vector<std::int32_t>& values = map.columns[c].values;
    for (std::size_t r = rows.first; r < std::min(rows.second, values.size()); ++r)
      largest = std::max<std::int64_t>(largest, values[r]);
  }
  return largest == std::numeric_limits<std::int64_t>::min() ? noValue
                                                              : levelOf(valueScale, static_cast<double>(largest));
}

void writeCells(std::ostream& out, const HeatMap& map, const PlotArea& area, const AxisScale& x, double xEnd,
                const AxisScale& y, std::size_t rowCount, const AxisScale& valueScale) {
  // Cells end on whole pixels, the edges that neighbours share computed alike: no seams between them.
  const std::size_t columnCount = map.columns.size();
  auto columnEdge = [&](std::size_t c) {
    return static_cast<long>(std::floor(area.x(x, c < columnCount ? map.columns[c].x : xEnd)));
  };
  auto rowEdge = [&](std::size_t r) { return static_cast<long>(std::floor(area.y(y, static_cast<double>(r)))); };
  const std::vector<Group> columnGroups = pixelGroups(columnCount, columnEdge), rowGroups = pixelGroups(rowCount, rowEdge);
  out << "<g id=\"cells\" shape-rendering=\"crispEdges\">\n";
  std::vector<int> rowLevels(rowGroups.size());
  for (const Group& columns : columnGroups) {
    const long left = columnEdge(columns.first), right = columnEdge(columns.second);
    for (std::size_t g = 0; g < rowGroups.size(); ++g) rowLevels[g] = levelOf(map, valueScale, columns, rowGroups[g]);
    for (std::size_t g = 0, next; g < rowGroups.size(); g = next) {
      for (next = g + 1; next < rowGroups.size() && rowLevels[next] == rowLevels[g];) ++next;
      if (rowLevels[g] == noValue) continue;
      const long bottom = rowEdge(rowGroups[g].first), top = rowEdge(rowGroups[next - 1].second);
      out << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << right - left << "\" height=\""
          << bottom - top << "\" fill=\"" << colourAt((rowLevels[g] + 0.5) / levels) << "\"/>\n";
    }
  }
  out << "</g>\n";
}

void writeLegend(std::ostream& out, const PlotArea& area, const AxisScale& scale, const std::string& label) {
  out << "<defs><linearGradient id=\"colour-scale\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">";
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const double offset = static_cast<double>(i) / (palette.size() - 1);
    out << "<stop offset=\"" << offset << "\" stop-color=\"" << colourAt(offset) << "\"/>";
  }
  const double barLeft = area.right() + barGap, barRight = barLeft + barWidth;
  out << "</linearGradient></defs>\n<g id=\"legend\">\n<rect x=\"" << barLeft << "\" y=\"" << area.top
      << "\" width=\"" << barWidth << "\" height=\"" << area.height << "\" fill=\"url(#colour-scale)\" stroke=\"black\"/>\n";
  for (double tick : scale.ticks) {
    const std::string at = coordinate(area.y(scale, tick));
    out << "<line x1=\"" << barRight << "\" y1=\"" << at << "\" x2=\"" << barRight + tickLength << "\" y2=\"" << at
        << "\" stroke=\"black\"/>\n<text x=\"" << barRight + tickLength + 3 << "\" y=\""
        << coordinate(area.y(scale, tick) + 4) << "\">" << xmlText(tickLabel(tick)) << "</text>\n";
  }
  const double labelX = pageWidth - 12;
  const std::string middle = coordinate(area.top + area.height / 2);
  out << "<text x=\"" << labelX << "\" y=\"" << middle << "\" text-anchor=\"middle\" transform=\"rotate(-90 " << labelX
      << ' ' << middle << ")\">" << xmlText(label) << "</text>\n</g>\n";
}

}  // namespace

void writeHeatMap(std::ostream& out, const HeatMap& map) {
  const PlotArea area = plotAreaLeaving(legendMargin);
  openPage(out, map.title);
  std::size_t rowCount = 0;
  std::int32_t lowest = std::numeric_limits<std::int32_t>::max(), highest = std::numeric_limits<std::int32_t>::min();
  for (const HeatMapColumn& column : map.columns) {
    rowCount = std::max(rowCount, column.values.size());
    for (std::int32_t value : column.values) lowest = std::min(lowest, value), highest = std::max(highest, value);
  }
  if (rowCount == 0) {
    writeAxes(out, area, {}, {}, map.xLabel, map.yLabel);
    writeNote(out, area, "no values");
    closePage(out);
    return;
  }
  const double first = map.columns.front().x, last = map.columns.back().x;
  const std::size_t count = map.columns.size();
  const double xEnd = last + (count > 1 ? (last - first) / static_cast<double>(count - 1) : 1.0);
  const AxisScale x = exactScale(std::min(0.0, first), xEnd), y = indexScale(rowCount);
  const AxisScale valueScale = roundedScale(lowest, highest);
  writeCells(out, map, area, x, xEnd, y, rowCount, valueScale);
  writeAxes(out, area, x, y, map.xLabel, map.yLabel);
  writeLegend(out, area, valueScale, map.valueLabel);
  closePage(out);
}

}  // namespace dsupdump
