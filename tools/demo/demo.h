// dsup-demo: a simulated instrument driver that uses the driver support library the way a real
// driver does, on the headless platform with the simulated clock and the scripted user. Each step
// prints what it did and returns whether everything held.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace demo {

// Records a run of each signal file type into `directory` (ending in '/'), with late header
// fields and a snapshot taken while recording, and verifies every file with the reader.
bool recordSignalRuns(const std::string& directory);

// Records a run of absorbance spectra into a spectra file in `directory`, with a snapshot taken
// while recording, and verifies the file and the snapshot with the reader.
bool recordSpectraRun(const std::string& directory);

// The values of a method, as the method dialog edits them and the method file stores them.
struct Method {
  std::u16string name;
  double flow = 0.0;         // ml/min
  double ovenTemperature = 0.0;  // degrees C
  double stopTime = 0.0;     // minutes
  long wavelength = 0;       // nm
};

// Runs the driver's method dialog with a scripted user who makes one mistake on the way.
bool editMethodInDialog(Method& method);

// Writes the method to a text file in `directory`, reads it back line by line, parses each line
// with the driver's compiled grammar and checks that the same values come back.
bool roundTripMethodFile(const std::string& directory, const Method& method);

// The bytes of a file the demo wrote, for the reader to verify; says why when it cannot read them.
std::optional<std::vector<std::uint8_t>> readBack(const std::string& path);

// UTF-16 of an ASCII text (paths of the demo are ASCII), and back, for the library's wide texts.
std::u16string wide(const std::string& text);
std::string narrow(const std::u16string& text);

}  // namespace demo
