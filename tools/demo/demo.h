// dsup-demo: a simulated instrument driver that uses the driver support library the way a real
// driver does, on the headless platform with the simulated clock and the scripted user. Each step
// prints what it did and returns whether everything held.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "signal_reader.h"
#include "spectra_reader.h"

namespace demo {

// Records a run of each signal file type into `directory` (ending in '/'), with late header
// fields and a snapshot taken while recording, verifies every file with the reader and draws each
// run's chromatogram beside it; the plots' names are added to `plots`.
bool recordSignalRuns(const std::string& directory, std::vector<std::string>& plots);

// Records a run of absorbance spectra into a spectra file in `directory`, with a snapshot taken
// while recording, verifies the file and the snapshot with the reader and draws the run's heat
// map beside it; the plot's name is added to `plots`.
bool recordSpectraRun(const std::string& directory, std::vector<std::string>& plots);

// One step of the oven program: from this time on the oven holds (or heads for) this temperature.
struct ProgramStep {
  double time = 0.0;         // minutes
  double temperature = 0.0;  // degrees C
  bool operator==(const ProgramStep&) const = default;
};

// The values of a method, as the method dialog edits them and the method file stores them.
struct Method {
  std::u16string name;
  double flow = 0.0;             // ml/min
  double ovenTemperature = 0.0;  // degrees C at the start
  long injections = 0;           // per vial
  double stopTime = 0.0;         // minutes, when the stop time is not "Off"
  bool stopTimeOff = false;      // the run ends with the oven program
  long wavelength = 0;           // nm
  std::vector<ProgramStep> program;
  bool operator==(const Method&) const = default;
};

// Runs the driver's method dialog, a standard dialog of the library, with a scripted user who
// mistypes entries, reads the messages and corrects them, and edits the oven program. Prints what
// the user did and saw and what the driver received; true when all of it was as expected.
bool editMethodInDialog(Method& method);

// Writes the method to a text file in `directory`, reads it back line by line, parses each line
// with the driver's compiled grammar and checks that the same values come back.
bool roundTripMethodFile(const std::string& directory, const Method& method);

// The bytes of a file the demo wrote, for the reader to verify; says why when it cannot read them.
std::optional<std::vector<std::uint8_t>> readBack(const std::string& path);

// Draws the file `name` of `directory` beside it as <name without extension>.svg, the
// chromatogram of a signal file or the heat map of a spectra file, and adds the plot's name to
// `plots`. Returns false (and says why) when the plot cannot be written.
bool drawPlot(const std::string& directory, const std::string& name, const dsupreader::SignalFile& file,
              std::vector<std::string>& plots);
bool drawPlot(const std::string& directory, const std::string& name, const dsupreader::SpectraFile& file,
              std::vector<std::string>& plots);

// UTF-16 of an ASCII text (paths of the demo are ASCII), and back, for the library's wide texts.
std::u16string wide(const std::string& text);
std::string narrow(const std::u16string& text);

}  // namespace demo
