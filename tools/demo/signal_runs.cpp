// The signal runs of the demo: one file of each type, recorded as an acquisition loop does it
// (the points of one second delivered at a time, the clock moving on), with the header fields
// that become known during the run, and one snapshot taken while a run goes on.
#include <dsup.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "chromatogram.h"
#include "demo.h"
#include "sim/clock.h"
#include "sim/faults.h"
#include "signal_reader.h"

namespace demo {

namespace {

struct Run {
  const char* fileName;
  LONG fileType;
  DWORD rateCode;
  int pointsPerSecond;
  int seconds;
  const char* description;
  const char* detector;  // the header's detector text, which titles the run's plot
};

// The LC run is copied half-way, as a data system does to show a run in progress.
constexpr int snapshotRun = 1;
constexpr int snapshotSecond = 300;

constexpr Run runs[] = {
    {"GC_FID.DAT", 108, 1, 10, 360, "GC, flame ionisation, 10 points/s", "Flame ionisation detector"},
    {"LC_UV.DAT", 130, (1u << 16) | 50, 50, 600, "LC, UV absorbance, 50 points/s", "UV detector, 254 nm"},
    {"GC_TCD.DAT", 179, (1u << 16) | 20, 20, 300, "GC, thermal conductivity, 20 points/s, doubles",
     "Thermal conductivity detector"},
    {"GC_MS.DAT", 181, (1u << 16) | 10, 10, 300, "GC, total ion current, 10 points/s, 48-bit",
     "Mass spectrometer, total ion current"},
};

bool check(LONG status, const char* what) {
  if (status == 0) return true;
  std::cout << "    " << what << " failed with status " << status << "\n";
  return false;
}

// Delivers one second of points in the file type's form of values.
LONG deliver(HGLOBAL file, const Run& run, Chromatogram& signal, int second) {
  std::vector<LONG> integers;
  std::vector<double> doubles;
  for (int i = 0; i < run.pointsPerSecond; ++i) {
    const double value = signal.at(second + static_cast<double>(i) / run.pointsPerSecond);
    if (run.fileType == 108 || run.fileType == 130) {
      integers.push_back(static_cast<LONG>(std::lround(value)));
    } else {
      doubles.push_back(run.fileType == 181 ? value * 1e6 : value);
    }
  }
  const void* values = integers.empty() ? static_cast<const void*>(doubles.data()) : integers.data();
  return DSupRwdWriteRawdata(file, values, run.pointsPerSecond);
}

bool writeLateHeaderFields(HGLOBAL file, const Run& run, int runNumber) {
  const std::u16string barcode = u"VIAL-2026-06-12-" + wide(std::to_string(runNumber + 1));
  bool held = check(DSupRwdWriteBarcode(file, reinterpret_cast<LPCWSTR>(barcode.c_str())), "barcode");
  held &= check(DSupRwdWriteBottleNumber(file, static_cast<WORD>(runNumber + 1)), "bottle number");
  held &= check(DSupRwdWriteInlet(file, TEXT("Front inlet")), "inlet");
  // The injection came 1.5 s after the file was made: milliseconds, as an integer or a float.
  const float startFloat = 1500.0f;
  LONG start = 1500;
  if (run.fileType == 179 || run.fileType == 181) std::memcpy(&start, &startFloat, sizeof start);
  held &= check(DSupRwdWriteStartTime(file, start), "start time");
  held &= check(DSupRwdWriteGLPInfo(file, 4711, 1, TEXT("Operator A"), TEXT("Method ISO-C18"),
                                    TEXT("Checked")), "GLP information");
  return held;
}

// Reads the file back and checks it against the format and against the points that went in; draws
// its chromatogram when `plots` is given.
bool verify(const std::string& directory, const std::string& name, std::size_t expectedPoints,
            std::vector<std::string>* plots = nullptr) {
  const std::string path = directory + name;
  const auto bytes = readBack(path);
  if (!bytes) return false;
  const dsupreader::SignalFile file = dsupreader::readSignalFile(*bytes);
  const sim::FileCounters counters = sim::fileCounters(path);
  double lowest = 0, highest = 0;
  if (!file.points.empty()) {
    lowest = highest = file.points.front();
    for (double point : file.points) lowest = std::min(lowest, point), highest = std::max(highest, point);
  }
  std::cout << "  " << std::left << std::setw(22) << name << std::right
            << " type " << file.fileType << "  " << std::setw(6) << file.points.size() << " points  "
            << std::setw(7) << bytes->size() << " bytes  " << std::setw(3) << counters.writes << " writes  "
            << "values " << lowest << " to " << highest << "  " << (file.verified() ? "verified" : "VIOLATIONS")
            << "\n";
  for (const std::string& violation : file.violations) std::cout << "    " << violation << "\n";
  if (file.points.size() != expectedPoints)
    std::cout << "    " << expectedPoints << " points were written, " << file.points.size() << " read back\n";
  const bool drawn = !plots || drawPlot(directory, name, file, *plots);
  return file.verified() && file.points.size() == expectedPoints && drawn;
}

std::size_t pointsOf(const Run& run, int seconds) {
  return static_cast<std::size_t>(run.pointsPerSecond) * static_cast<std::size_t>(seconds);
}

}  // namespace

bool recordSignalRuns(const std::string& directory, std::vector<std::string>& plots) {
  std::cout << "Recording signal runs into " << directory << "\n";
  const std::u16string wideDirectory = wide(directory);
  const LPCWSTR dir = reinterpret_cast<LPCWSTR>(wideDirectory.c_str());
  const std::u16string wideSnapshots = wide(directory + "snapshots/");
  bool held = true;

  for (int number = 0; number < static_cast<int>(std::size(runs)); ++number) {
    const Run& run = runs[number];
    std::cout << "  " << run.fileName << ": " << run.description << ", " << run.seconds << " s\n";
    Chromatogram signal({{60, 40000, 3}, {150, 120000, 4}, {200, 65000, 5}, {280, 30000, 6}}, 15.0,
                        static_cast<std::uint32_t>(number + 1));
    const std::u16string fileName = wide(run.fileName), detector = wide(run.detector);
    LONG status = 0;
    HGLOBAL file = DSupRwdCreateRawdataFile(
        TEXT("DEMO"), run.rateCode, TEXT("mV"), reinterpret_cast<LPCWSTR>(detector.c_str()), 1.0, dir,
        reinterpret_cast<LPCWSTR>(fileName.c_str()), dir, &status, run.fileType, TEXT("D1"),
        TEXT("Column C18, 150 mm"), TEXT("Demo sample"), TEXT("Demo sequence"),
        TEXT("10:00:00\n12.06.2026"), number + 1, 0, 0);
    if (!file) {
      std::cout << "    creating the file failed\n";
      held = false;
      continue;
    }
    held &= writeLateHeaderFields(file, run, number);
    for (int second = 0; second < run.seconds; ++second) {
      held &= check(deliver(file, run, signal, second), "writing points");
      sim::advanceTime(1000);
      if (number == snapshotRun && second == snapshotSecond)
        held &= check(DSupRwdRawdataSnapshot(file, reinterpret_cast<LPCWSTR>(wideSnapshots.c_str())), "snapshot");
    }
    held &= check(DSupRwdCloseRawdataFile(&file), "closing");
  }

  std::cout << "Verifying the files with the reader\n";
  for (const Run& run : runs) held &= verify(directory, run.fileName, pointsOf(run, run.seconds), &plots);
  // The snapshot holds what was written up to the second it was taken in.
  held &= verify(directory, std::string("snapshots/") + runs[snapshotRun].fileName,
                 pointsOf(runs[snapshotRun], snapshotSecond + 1));
  return held;
}

}  // namespace demo
