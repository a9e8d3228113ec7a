// dsup-dump's plots: round ticks for any range, and SVG pages that are well-formed whatever the
// file's texts hold, titled from the header, with a chromatogram whose peaks survive the thinning
// and a heat map of spectra against minutes with its colour scale.
#include <gtest/gtest.h>

#include <sstream>

#include "axis_scale.h"
#include "dump.h"
#include "rawdata/raw_file_test.h"

namespace dsuptest {
namespace {

// Empty when `xml` is well-formed as far as the plots go (declaration, nested elements with quoted
// attributes, character data with entities only for markup characters, no control characters),
// else what is wrong.
std::string malformation(const std::string& xml) {
  const std::string entities[] = {"&lt;", "&gt;", "&amp;", "&quot;"};
  auto badData = [&](std::string_view data) {
    for (std::size_t at = 0; at < data.size(); ++at) {
      const auto c = static_cast<unsigned char>(data[at]);
      if (c == '<' || c == '>' || (c < 0x20 && c != '\n')) return true;
      if (c == '&' && std::none_of(std::begin(entities), std::end(entities),
                                   [&](const std::string& e) { return data.substr(at).starts_with(e); }))
        return true;
    }
    return false;
  };
  if (!xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) return "no declaration";
  std::vector<std::string> open;
  std::size_t at = xml.find('\n') + 1;
  while (at < xml.size()) {
    const std::size_t tag = xml.find('<', at);
    if (badData(std::string_view(xml).substr(at, tag - at))) return "bad character data before " + std::to_string(tag);
    if (tag == std::string::npos) break;
    const std::size_t end = xml.find('>', tag);
    if (end == std::string::npos) return "unclosed tag";
    std::string inner = xml.substr(tag + 1, end - tag - 1);
    if (inner.starts_with('/')) {
      if (open.empty() || open.back() != inner.substr(1)) return "</" + inner.substr(1) + "> closes nothing open";
      open.pop_back();
    } else {
      const bool empty = inner.ends_with('/');
      if (empty) inner.pop_back();
      std::istringstream parts(inner);
      std::string name;
      parts >> name;
      if (name.empty() || (open.empty() && name != "svg")) return "bad element <" + inner + ">";
      // Attributes: name="value" with no markup in the value.
      for (std::size_t quote = inner.find('='); quote != std::string::npos; quote = inner.find('=', quote)) {
        const std::size_t close = inner.find('"', quote + 2);
        if (inner[quote + 1] != '"' || close == std::string::npos ||
            badData(std::string_view(inner).substr(quote + 2, close - quote - 2)))
          return "bad attribute in <" + inner + ">";
        quote = close;
      }
      if (!empty) open.push_back(name);
    }
    at = end + 1;
  }
  return open.empty() ? "" : "<" + open.back() + "> not closed";
}

// The part of the page from the start of the element with `id` to `closing`.
std::string part(const std::string& svg, const std::string& id, const std::string& closing = "</g>") {
  const std::size_t at = svg.find("id=\"" + id + "\"");
  if (at == std::string::npos) return "";
  const std::size_t start = svg.rfind('<', at);
  return svg.substr(start, svg.find(closing, at) - start);
}

// The contents of every <text> element of the part, in order.
std::vector<std::string> texts(const std::string& part) {
  std::vector<std::string> found;
  for (std::size_t at = part.find("<text"); at != std::string::npos; at = part.find("<text", at + 1)) {
    const std::size_t start = part.find('>', at) + 1;
    found.push_back(part.substr(start, part.find("</text>", start) - start));
  }
  return found;
}

// "a|b" as {"a", "b"}.
std::vector<std::string> list(const std::string& text) {
  std::vector<std::string> found;
  std::istringstream in(text);
  for (std::string item; std::getline(in, item, '|');) found.push_back(item);
  return found;
}

double attribute(const std::string& element, const std::string& name) {
  const std::size_t at = element.find(' ' + name + "=\"");
  return at == std::string::npos ? -1 : std::stod(element.substr(at + name.size() + 3));
}

// Every element of the part that starts with `tag`.
std::vector<std::string> elements(const std::string& part, const std::string& tag) {
  std::vector<std::string> found;
  for (std::size_t at = part.find(tag); at != std::string::npos; at = part.find(tag, at + 1))
    found.push_back(part.substr(at, part.find('>', at) - at));
  return found;
}

std::string joined(const std::vector<double>& ticks) {
  std::string text;
  for (double tick : ticks) text += (text.empty() ? "" : " ") + dsupdump::tickLabel(tick);
  return text;
}

TEST(AxisScale, TicksAreRoundStepsOfOneTwoOrFiveTimesAPowerOfTen) {
  struct Row {
    double low, high;
    bool rounded;  // a value axis, widened to its ticks; else the axis keeps the range
    double step;
    const char* ticks;
    double axisLow, axisHigh;
  };
  const Row rows[] = {
      {0, 121.496, true, 20, "0 20 40 60 80 100 120 140", 0, 140},
      {1043, 97258.2, true, 20000, "0 20000 40000 60000 80000 100000", 0, 100000},
      {-5, 5, true, 2, "-6 -4 -2 0 2 4 6", -6, 6},
      {0, 0.3, true, 0.05, "0 0.05 0.1 0.15 0.2 0.25 0.3", 0, 0.3},
      {7, 7, true, 0.2, "6.2 6.4 6.6 6.8 7 7.2 7.4 7.6 7.8", 6.2, 7.8},  // one value gets room around it
      {1e9, 1.2e11, true, 2e10, "0 2e+10 4e+10 6e+10 8e+10 1e+11 1.2e+11", 0, 1.2e11},
      {0.00002, 0.0001, true, 0.00002, "2e-05 4e-05 6e-05 8e-05 0.0001", 0.00002, 0.0001},
      {0, 6.025, false, 1, "0 1 2 3 4 5 6", 0, 6.025},  // minutes of a run: the axis ends with the data
      {0, 9.9998, false, 2, "0 2 4 6 8 10", 0, 10},     // unless a tick lies just beyond
      {0.1, 0.7, false, 0.1, "0.1 0.2 0.3 0.4 0.5 0.6 0.7", 0.1, 0.7},  // ends that are ticks, despite rounding
      {0, 200, false, 50, "0 50 100 150 200", 0, 200},
  };
  for (const Row& row : rows) {
    const dsupdump::AxisScale scale = row.rounded ? dsupdump::roundedScale(row.low, row.high)
                                                  : dsupdump::exactScale(row.low, row.high);
    EXPECT_EQ(scale.step, row.step) << row.low << " to " << row.high;
    EXPECT_EQ(joined(scale.ticks), row.ticks) << row.low << " to " << row.high;
    EXPECT_EQ(scale.low, row.axisLow) << row.low << " to " << row.high;
    EXPECT_EQ(scale.high, row.axisHigh) << row.low << " to " << row.high;
  }
  EXPECT_EQ(joined(dsupdump::indexScale(3).ticks), "0 1 2 3") << "an index axis has whole ticks";
  EXPECT_EQ(joined(dsupdump::indexScale(250).ticks), "0 50 100 150 200 250");
}

class Plot : public RawFileTest {
 protected:
  std::string plotted() {
    std::ostringstream out, err;
    const std::vector<std::string> arguments{"--format=svg", temp.file("RUN1.DAT")};
    EXPECT_EQ(dsupdump::runDump(arguments, out, err), 0) << err.str();
    EXPECT_EQ(malformation(out.str()), "");
    return out.str();
  }
};

TEST_F(Plot, ChromatogramShowsMinutesAndRoundValuesUnderTheHeadersTitleKeepingThePeaks) {
  SignalArguments arguments = argumentsFor(130);  // 100 points per second
  arguments.text858 = u"Sample <7> & \"B\"\x01\xFFFF";  // markup, a control character, a non-character
  arguments.text4213 = u"UV 254 nm";
  HGLOBAL handle = create(arguments);
  std::vector<double> points(60000, 100);  // ten minutes
  points[31234] = 5000;                    // one peak among many points: it must survive the thinning
  ASSERT_EQ(write(handle, 130, points), 0);
  closeAndVerify(handle);

  const std::string svg = plotted();
  EXPECT_EQ(texts(part(svg, "title", "\n")), list("Sample &lt;7&gt; &amp; &quot;B&quot; \u2014 UV 254 nm"));
  EXPECT_EQ(texts(part(svg, "file", "\n")), list("RUN1.DAT, type 130, 60000 points"));
  EXPECT_EQ(texts(part(svg, "x-axis")), list("0|2|4|6|8|10|time (min)"));
  EXPECT_EQ(texts(part(svg, "y-axis")), list("0|1000|2000|3000|4000|5000|signal"));

  const std::string area = part(svg, "plot-area", "/>");
  const double left = attribute(area, "x"), top = attribute(area, "y");
  const double right = left + attribute(area, "width"), bottom = top + attribute(area, "height");
  std::istringstream line(part(svg, "signal", "\"/>").substr(part(svg, "signal", "\"/>").find("points=\"") + 8));
  std::size_t count = 0;
  double x, y, highest = bottom;
  for (char comma; line >> x >> comma >> y; ++count) {
    EXPECT_TRUE(x >= left && x <= right && y >= top && y <= bottom) << x << ',' << y;
    highest = std::min(highest, y);  // SVG's y grows downwards
  }
  EXPECT_LE(count, 2 * (right - left + 1)) << "at most two points per pixel column";
  EXPECT_EQ(highest, top) << "the peak reaches the top tick";
}

TEST_F(Plot, SpectraAreAHeatMapAgainstMinutesWithItsColourScale) {
  RwdHeaderParameters parameters = parametersFor(1);
  put(parameters.text858, u"Sample 3");
  put(parameters.text3136, u"Diode array");
  HGLOBAL handle = createSpectra(parameters);
  for (LONG n = 0; n < 120; ++n) ASSERT_EQ(record(handle, static_cast<std::size_t>(n), {0, n, 2 * n, 3 * n}), 0);
  closeAndVerifySpectra(handle);  // one spectrum a second (descriptor values in milliseconds)

  const std::string svg = plotted();
  EXPECT_EQ(texts(part(svg, "title", "\n")), list("Sample 3 \u2014 Diode array"));
  EXPECT_EQ(texts(part(svg, "file", "\n")), list("RUN1.DAT, type 131, 120 spectra"));
  EXPECT_EQ(texts(part(svg, "x-axis")), list("0|0.5|1|1.5|2|time (min)"));
  EXPECT_EQ(texts(part(svg, "y-axis")), list("0|1|2|3|4|wavelength index"));
  EXPECT_EQ(texts(part(svg, "legend")), list("0|100|200|300|400|value"));
  EXPECT_NE(svg.find("<linearGradient id=\"colour-scale\""), std::string::npos);

  // The last spectrum's values from bottom to top, each its own colour, brighter as they grow, its
  // column ending with the axis.
  const std::vector<std::string> cells = elements(part(svg, "cells"), "<rect");
  ASSERT_GE(cells.size(), 4u * 60) << "the spectra that differ from the first are columns of four colours";
  const std::string area = part(svg, "plot-area", "/>");
  double brightness = -1;
  for (std::size_t i = cells.size() - 4; i < cells.size(); ++i) {
    const std::size_t fill = cells[i].find("fill=\"#") + 7;
    const int rgb = std::stoi(cells[i].substr(fill, 6), nullptr, 16);
    const double now = 0.3 * (rgb >> 16) + 0.6 * (rgb >> 8 & 0xFF) + 0.1 * (rgb & 0xFF);
    EXPECT_GT(now, brightness) << cells[i];
    brightness = now;
    EXPECT_NEAR(attribute(cells[i], "x") + attribute(cells[i], "width"), attribute(area, "x") + attribute(area, "width"),
                0.11);
  }
}

TEST_F(Plot, FilesWithoutTimesOrDataStillGiveWellFormedPages) {
  HGLOBAL handle = createSpectra();
  ASSERT_EQ(record(handle, 1, {5}), 0);
  ASSERT_EQ(record(handle, 0, {7}), 0);  // the time goes back
  closeAndVerifySpectra(handle);
  EXPECT_EQ(texts(part(plotted(), "x-axis")).back(), "spectrum");

  handle = createSpectra();
  closeAndVerifySpectra(handle);
  EXPECT_EQ(texts(part(plotted(), "note", "\n")), list("no values"));

  handle = create(130);
  closeAndVerify(handle);
  EXPECT_EQ(texts(part(plotted(), "note", "\n")), list("no points"));
}

}  // namespace
}  // namespace dsuptest
