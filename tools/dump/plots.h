// The plots of dsup-dump: a signal file's chromatogram (its points against time) and a spectra
// file's heat map (its spectra against time). Each is titled from the file's header with the
// sample name and the detector's text, and names the file below the title.
#pragma once

#include <ostream>
#include <string>

#include "signal_reader.h"
#include "spectra_reader.h"

namespace dsupdump {

// The points against time in minutes.
void writePlot(std::ostream& out, const std::string& path, const dsupreader::SignalFile& file);

// The spectra against time in minutes, each at its descriptor value taken as milliseconds; when
// those values do not grow from spectrum to spectrum, against the spectrum's number instead.
void writePlot(std::ostream& out, const std::string& path, const dsupreader::SpectraFile& file);

}  // namespace dsupdump
