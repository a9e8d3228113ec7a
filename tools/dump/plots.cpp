#include "plots.h"

#include <filesystem>

#include "heat_map.h"
#include "line_plot.h"

namespace dsupdump {

namespace {

// The header texts that name what was measured: the sample (in every file) and the detector (in
// each kind of file its own field).
constexpr const char* sampleField = "text858";
constexpr const char* signalDetectorField = "text4213";
constexpr const char* spectraDetectorField = "text3136";
constexpr double millisecondsPerMinute = 60000.0;

PlotTitle titleOf(const std::string& path, const dsupreader::DecodedFile& file, const char* detectorField,
                  const std::string& contents) {
  const std::string sample = dsupreader::toUtf8(file.text(sampleField));
  const std::string detector = dsupreader::toUtf8(file.text(detectorField));
  std::string title = sample.empty() || detector.empty() ? sample + detector : sample + " \u2014 " + detector;
  if (title.empty()) title = "no sample or detector named";
  return {title, std::filesystem::path(path).filename().string() + ", type " + std::to_string(file.fileType) + ", " +
                     contents};
}

bool timesGrow(const dsupreader::SpectraFile& file) {
  for (std::size_t i = 1; i < file.records.size(); ++i)
    if (file.records[i].descriptorValue <= file.records[i - 1].descriptorValue) return false;
  return true;
}

}  // namespace

void writePlot(std::ostream& out, const std::string& path, const dsupreader::SignalFile& file) {
  LineSeries series{titleOf(path, file, signalDetectorField, std::to_string(file.points.size()) + " points"),
                    "time (min)", "signal", {}};
  for (std::size_t i = 0; i < file.points.size(); ++i)
    series.points.emplace_back(file.timeOf(i) / millisecondsPerMinute, file.points[i]);
  writeLinePlot(out, series);
}

void writePlot(std::ostream& out, const std::string& path, const dsupreader::SpectraFile& file) {
  const bool timed = timesGrow(file);
  HeatMap map{titleOf(path, file, spectraDetectorField, std::to_string(file.records.size()) + " spectra"),
              timed ? "time (min)" : "spectrum", "wavelength index", "value", {}};
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const double x = timed ? file.records[i].descriptorValue / millisecondsPerMinute : static_cast<double>(i);
    map.columns.push_back({x, file.records[i].values});
  }
  writeHeatMap(out, map);
}

}  // namespace dsupdump
