#include "svg_page.h"

#include <cstdio>
#include <utility>

namespace dsupdump {

namespace {

constexpr double leftMargin = 80, topMargin = 60, bottomMargin = 52;
constexpr double tickLength = 5;

// Characters that XML 1.0 allows in a document (tab, line feed and carriage return aside: a title
// is one line).
bool allowedInXml(char32_t c) {
  return (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c < 0xFFFE) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The code point that starts at text[at] and its length in bytes; length 0 when the bytes there
// are not UTF-8 (a stray continuation byte, a cut or overlong sequence, an encoded surrogate).
std::pair<char32_t, std::size_t> decodeUtf8(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t c = 0, smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, c = lead & 0x1F, smallest = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, c = lead & 0x0F, smallest = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, c = lead & 0x07, smallest = 0x10000;
  if (length == 0 || at + length > text.size()) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    c = c << 6 | (next & 0x3F);
  }
  if (c < smallest || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
  return {c, length};
}

void writeText(std::ostream& out, double x, double y, std::string_view anchor, std::string_view text,
               std::string_view extra = {}) {
  out << "<text x=\"" << coordinate(x) << "\" y=\"" << coordinate(y) << "\" text-anchor=\"" << anchor << '"';
  if (!extra.empty()) out << ' ' << extra;
  out << '>' << xmlText(text) << "</text>\n";
}

}  // namespace

PlotArea plotAreaLeaving(double rightMargin) {
  return {leftMargin, topMargin, pageWidth - leftMargin - rightMargin, pageHeight - topMargin - bottomMargin};
}

std::string xmlText(std::string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const auto [c, length] = decodeUtf8(utf8, at);
    if (length == 0) {
      ++at;
      continue;
    }
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else if (allowedInXml(c)) out.append(utf8.substr(at, length));
    at += length;
  }
  return out;
}

std::string coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

void openPage(std::ostream& out, const PlotTitle& title) {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << pageWidth << "\" height=\"" << pageHeight
      << "\" viewBox=\"0 0 " << pageWidth << ' ' << pageHeight << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  writeText(out, pageWidth / 2, 24, "middle", title.title, "id=\"title\" font-size=\"15\" font-weight=\"bold\"");
  writeText(out, pageWidth / 2, 42, "middle", title.fileLine, "id=\"file\" font-size=\"11\" fill=\"#555\"");
}

void closePage(std::ostream& out) { out << "</svg>\n"; }

void writeAxes(std::ostream& out, const PlotArea& area, const AxisScale& x, const AxisScale& y, std::string_view xLabel,
               std::string_view yLabel) {
  out << "<rect id=\"plot-area\" x=\"" << area.left << "\" y=\"" << area.top << "\" width=\"" << area.width
      << "\" height=\"" << area.height << "\" fill=\"none\" stroke=\"black\"/>\n<g id=\"x-axis\">\n";
  for (double tick : x.ticks) {
    const std::string at = coordinate(area.x(x, tick));
    out << "<line x1=\"" << at << "\" y1=\"" << area.bottom() << "\" x2=\"" << at << "\" y2=\""
        << area.bottom() + tickLength << "\" stroke=\"black\"/>\n";
    writeText(out, area.x(x, tick), area.bottom() + 18, "middle", tickLabel(tick));
  }
  writeText(out, area.left + area.width / 2, pageHeight - 10, "middle", xLabel);
  out << "</g>\n<g id=\"y-axis\">\n";
  for (double tick : y.ticks) {
    const std::string at = coordinate(area.y(y, tick));
    out << "<line x1=\"" << area.left - tickLength << "\" y1=\"" << at << "\" x2=\"" << area.left << "\" y2=\"" << at
        << "\" stroke=\"black\"/>\n";
    writeText(out, area.left - 8, area.y(y, tick) + 4, "end", tickLabel(tick));
  }
  const std::string middle = coordinate(area.top + area.height / 2);
  writeText(out, 16, area.top + area.height / 2, "middle", yLabel, "transform=\"rotate(-90 16 " + middle + ")\"");
  out << "</g>\n";
}

void writeNote(std::ostream& out, const PlotArea& area, std::string_view text) {
  writeText(out, area.left + area.width / 2, area.top + area.height / 2, "middle", text, "id=\"note\"");
}

}  // namespace dsupdump
