#include "signal_recording.h"

#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "sim/clock.h"

namespace bench {

namespace {

constexpr std::int64_t benchmarkEpoch = 1767225600;  // 2026-01-01
constexpr std::uint64_t millisecondsPerSecond = 1000;

std::vector<double> signalValues(Signal signal, std::size_t count) {
  std::vector<double> values(count);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-1e6, 1e6);
  for (std::size_t i = 0; i < count; ++i)
    values[i] = std::round(signal == Signal::slow ? 1000.0 * std::sin(double(i) / 500.0) : noise(random));
  return values;
}

}  // namespace

SignalPoints::SignalPoints(LONG fileType, Signal signal, std::size_t count) : doubles_(signalValues(signal, count)) {
  if (takesIntegers(fileType)) integers_.assign(doubles_.begin(), doubles_.end());
}

const void* SignalPoints::at(std::size_t index) const {
  if (integers_.empty()) return doubles_.data() + index;
  return integers_.data() + index;
}

Recording::Recording(LONG fileType) : fileType_(fileType) {
  std::string pattern = (std::filesystem::temp_directory_path() / "dsup-bench-XXXXXX").string();
  directory_ = std::string(::mkdtemp(pattern.data())) + "/";
  path_ = directory_ + "BENCH.DAT";
  create();
}

Recording::~Recording() {
  close();
  std::filesystem::remove_all(directory_);
}

std::uintmax_t Recording::fileSize() const { return std::filesystem::file_size(path_); }

bool Recording::close() { return !handle_ || DSupRwdCloseRawdataFile(&handle_) == 0; }

void Recording::renew() {
  close();
  create();
}

void Recording::create() {
  sim::setCalendarTime(benchmarkEpoch);
  const std::u16string directory(directory_.begin(), directory_.end());
  const DWORD rateCode = fileType_ == 108 ? 0 : (1u << 16 | pointsPerSecond);
  LONG status = 0;
  handle_ = DSupRwdCreateRawdataFile(u"", rateCode, u"", u"", 1.0, directory.c_str(), u"BENCH.DAT", u"", &status,
                                     fileType_, u"", u"", u"", u"", u"", 0, 0, 0);
  nextSecond();
}

void nextSecond() { sim::advanceTime(millisecondsPerSecond); }

}  // namespace bench
