// What every plot of dsup-dump is drawn on: an SVG page with the title and, below it, the file's
// name; the plot area with its frame; and the axes with their round ticks and labels. Texts from
// files are written as XML text whatever they hold, so that a hostile file cannot break the page.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "axis_scale.h"

namespace dsupdump {

// UTF-8 texts: the title from the file's header and the line under it.
struct PlotTitle {
  std::string title;
  std::string fileLine;
};

// The rectangle the data is drawn in, in page coordinates (y grows downwards).
struct PlotArea {
  double left, top, width, height;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  double x(const AxisScale& scale, double value) const { return left + scale.fraction(value) * width; }
  double y(const AxisScale& scale, double value) const { return bottom() - scale.fraction(value) * height; }
};

inline constexpr double pageWidth = 800, pageHeight = 460;

// The plot area of a page that keeps `rightMargin` for a legend.
PlotArea plotAreaLeaving(double rightMargin);

// The text as XML character data or attribute value: markup characters escaped; control
// characters, non-characters and bytes that are not UTF-8 dropped.
std::string xmlText(std::string_view utf8);

// A page coordinate, to a tenth of a pixel.
std::string coordinate(double value);

// Opens the page and writes its background, title and file line; closePage ends it.
void openPage(std::ostream& out, const PlotTitle& title);
void closePage(std::ostream& out);

// The frame of the area, and the ticks with their values and the label of each axis.
void writeAxes(std::ostream& out, const PlotArea& area, const AxisScale& x, const AxisScale& y, std::string_view xLabel,
               std::string_view yLabel);

// A line of text in the middle of the area, in place of data ("no points").
void writeNote(std::ostream& out, const PlotArea& area, std::string_view text);

}  // namespace dsupdump
