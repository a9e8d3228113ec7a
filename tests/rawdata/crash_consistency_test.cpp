// Crash consistency: a child process records a long run of each file type, forcing a flush after
// every batch and reporting what reached the file (crash_run.h); it is killed with SIGKILL at a
// random moment of its recording, and the file it leaves must be one that the reader accepts with
// a prefix of the run: every point or record reported as flushed, and at most the batch under way
// besides. Two states between reports are allowed, and nothing else:
// - the header is refreshed before the append, so its summary fields may already describe the
//   batch under way (each field that of the points in the file or that of the batch under way);
// - the kernel may stop the append's write between two pages when the process is killed, so the
//   file may end with the first part of the append: then the file up to its length at the last
//   report, with its end mark, is what the report described, and the part behind it decodes as the
//   start of the batch under way.
// The seed is printed; DSUP_CRASH_SEED repeats a run. Creation itself is not killed: a file killed
// between being created and receiving its header is empty, whatever the library does.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>

#include "common/temp_directory.h"
#include "crash_run.h"
#include "raw_file_test.h"

extern char** environ;

namespace dsuptest {
namespace {

using dsupcrash::FlushReport;

constexpr int killsPerType = 12;
constexpr int longestDelayMicroseconds = 40000;

// Offsets of the summary fields that each flush refreshes (signal files).
constexpr std::size_t endTimeAt = 286, firstValueAt = 4110;
constexpr std::size_t largestAt[] = {290, 298, 4118}, smallestAt[] = {294, 302, 4114};

bool hasEndMark(LONG fileType) { return fileType != 179; }

class ChildRun {
 public:
  ChildRun(const std::string& directory, LONG fileType, std::uint64_t seed) {
    int pipeEnds[2];
    EXPECT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    const std::string type = std::to_string(fileType), seedText = std::to_string(seed);
    char* argv[] = {const_cast<char*>(DSUP_CRASH_CHILD), const_cast<char*>(directory.c_str()),
                    const_cast<char*>(type.c_str()), const_cast<char*>(seedText.c_str()), nullptr};
    EXPECT_EQ(posix_spawn(&pid_, DSUP_CRASH_CHILD, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    reports_ = pipeEnds[0];
  }
  ~ChildRun() { close(reports_); }
  ChildRun(const ChildRun&) = delete;
  ChildRun& operator=(const ChildRun&) = delete;

  // Takes the reports that arrive within `duration`, so that the child never waits for the pipe.
  void collectFor(std::chrono::microseconds duration, std::vector<FlushReport>& reports) {
    const auto end = std::chrono::steady_clock::now() + duration;
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
      pollfd ready{reports_, POLLIN, 0};
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
      if (poll(&ready, 1, static_cast<int>(left)) <= 0 || !(ready.revents & POLLIN)) continue;
      if (std::optional<FlushReport> report = nextReport()) reports.push_back(*report);
      else return;
    }
  }

  // The next report, or nothing once the child is gone.
  std::optional<FlushReport> nextReport() {
    FlushReport report;
    std::size_t got = 0;
    while (got < sizeof report) {
      const ssize_t n = read(reports_, reinterpret_cast<char*>(&report) + got, sizeof report - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    if (got == 0) return std::nullopt;
    EXPECT_EQ(got, sizeof report) << "a report cut short";
    return report;
  }

  // Kills the child (if it still runs) and waits for it. Returns whether it was killed.
  bool kill() {
    ::kill(pid_, SIGKILL);
    int status = 0;
    EXPECT_EQ(waitpid(pid_, &status, 0), pid_);
    const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    EXPECT_TRUE(killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "the child failed by itself";
    return killed;
  }

 private:
  pid_t pid_ = -1;
  int reports_ = -1;
};

std::uint32_t loadBigEndian32(const Bytes& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

void storeBigEndian32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

template <class T>
std::uint32_t bitsOf(T value) {
  if constexpr (sizeof(T) == 4 && std::is_floating_point_v<T>) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
  } else {
    return static_cast<std::uint32_t>(value);
  }
}

// The summary fields of a signal file holding the first n points of the run (n ≥ 1), as the
// format defines them: extremes (32-bit floats for type 179, fixed for type 181), first value, end
// time from a start time of 0.
struct Summary {
  std::uint32_t largest, smallest, first, endTime;
};

Summary summaryOf(LONG fileType, const std::vector<double>& points, std::size_t n) {
  const double duration = static_cast<double>(n - 1) * static_cast<double>(dsupcrash::intervalOf(fileType));
  if (fileType == 181) return {bitsOf(-2147483647), bitsOf(2147483647), 0, bitsOf(static_cast<float>(duration))};
  if (fileType == 179) {
    float largest = 0.0f, smallest = 0.0f;
    for (std::size_t i = 0; i < n; ++i) {
      largest = std::max(largest, static_cast<float>(points[i]));
      smallest = std::min(smallest, static_cast<float>(points[i]));
    }
    return {bitsOf(largest), bitsOf(smallest), bitsOf(static_cast<float>(points[0])), bitsOf(static_cast<float>(duration))};
  }
  const auto [smallest, largest] = std::minmax_element(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(n));
  return {bitsOf(static_cast<std::int32_t>(*largest)), bitsOf(static_cast<std::int32_t>(*smallest)),
          bitsOf(static_cast<std::int32_t>(points[0])), bitsOf(static_cast<std::int32_t>(std::trunc(duration + 0.5)))};
}

// The file read with its summary fields set to describe the `held` points it holds, when each of
// them described either those or the `underWay` points of the flush under way; `ahead` tells
// whether any described the flush under way. Nothing when a field described neither.
std::optional<dsupreader::SignalFile> readSettled(Bytes file, LONG fileType, const std::vector<double>& points,
                                                  std::size_t held, std::size_t underWay, bool& ahead) {
  ahead = false;
  // The reader expects nothing of the summary fields before the first point.
  if (held > 0) {
    const Summary now = summaryOf(fileType, points, held), next = summaryOf(fileType, points, underWay);
    const auto settle = [&](std::size_t at, std::uint32_t expected, std::uint32_t expectedAhead) {
      const std::uint32_t found = loadBigEndian32(file, at);
      ahead = ahead || found != expected;
      storeBigEndian32(file, at, expected);
      return found == expected || found == expectedAhead;
    };
    bool described = true;
    for (std::size_t at : largestAt) described = settle(at, now.largest, next.largest) && described;
    for (std::size_t at : smallestAt) described = settle(at, now.smallest, next.smallest) && described;
    described = settle(firstValueAt, now.first, next.first) && described;
    described = settle(endTimeAt, now.endTime, next.endTime) && described;
    if (!described) return std::nullopt;
  }
  return dsupreader::readSignalFile(file);
}

// The file as it stood at a report of `length` bytes, from one whose append was cut: the bytes up
// to that length, with the end mark in place again.
Bytes cutBack(const Bytes& file, std::size_t length, LONG fileType) {
  Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
  if (hasEndMark(fileType)) cut[length - 1] = cut[length - 2] = 0;
  return cut;
}

template <class T>
bool isPrefix(const std::vector<T>& prefix, const std::vector<T>& of) {
  return prefix.size() <= of.size() && std::equal(prefix.begin(), prefix.end(), of.begin());
}

struct Tally {
  int kills = 0, filesChecked = 0, completeRuns = 0, headersAhead = 0, tornAppends = 0, violations = 0;
  std::uint64_t lostBeyondLastFlush = 0;
};

class CrashConsistency : public ::testing::Test {
 protected:
  // Checks a signal file left by a child whose last report said `last.count` points in
  // `last.fileLength` bytes, with `batch` more points under way.
  void checkSignal(LONG fileType, std::uint64_t seed, const FlushReport& last, std::uint64_t batch, const Bytes& file) {
    std::vector<double> points;
    for (std::uint64_t i = 0; i < last.count + batch; ++i) points.push_back(dsupcrash::storedPointOf(fileType, seed, i));
    const std::vector<double> reported(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(last.count));
    const dsupreader::SignalFile whole = dsupreader::readSignalFile(file);
    ASSERT_TRUE(isPrefix(whole.points, points)) << "points that are not those of the run";
    if (last.closed) {
      ++tally.completeRuns;
      EXPECT_EQ(whole.violations, std::vector<std::string>{});
      EXPECT_EQ(whole.points, reported);
      return;
    }
    bool ahead = false;
    std::optional<dsupreader::SignalFile> settled = readSettled(file, fileType, points, whole.points.size(), points.size(), ahead);
    if (settled && settled->verified()) {
      EXPECT_TRUE(whole.points.size() == last.count || whole.points.size() == points.size()) << whole.points.size();
    } else {
      // The append was cut: the file up to the reported length must be what was reported.
      ASSERT_GE(file.size(), last.fileLength) << "the file is shorter than at the last report";
      ++tally.tornAppends;
      settled = readSettled(cutBack(file, last.fileLength, fileType), fileType, points, last.count, points.size(), ahead);
      ASSERT_TRUE(settled) << "summary fields that describe neither the points in the file nor those under way";
      EXPECT_EQ(settled->points, reported);
    }
    if (settled->points.size() < last.count) tally.lostBeyondLastFlush += last.count - settled->points.size();
    tally.headersAhead += ahead ? 1 : 0;
    tally.violations += settled->verified() ? 0 : 1;
    EXPECT_EQ(settled->violations, std::vector<std::string>{}) << (whole.violations.empty() ? "" : whole.violations.front());
  }

  void checkSpectra(std::uint64_t seed, const FlushReport& last, std::uint64_t batch, const Bytes& file) {
    std::vector<GivenRecord> records;
    for (std::uint64_t n = 0; n < last.count + batch; ++n) {
      const dsupcrash::Record record = dsupcrash::recordOf(seed, n);
      records.push_back({record.descriptor, record.values, record.differences});
    }
    const auto first = [&records](std::size_t n) {
      return std::vector<GivenRecord>(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(std::min(n, records.size())));
    };
    dsupreader::SpectraFile read = dsupreader::readSpectraFile(file);
    expectRecords(read, first(read.records.size()), dsupcrash::spectrumKind);
    if (last.closed) {
      ++tally.completeRuns;
      EXPECT_TRUE(read.finished);
    } else if (!read.verified()) {
      ASSERT_GE(file.size(), last.fileLength) << "the file is shorter than at the last report";
      ++tally.tornAppends;
      read = dsupreader::readSpectraFile(cutBack(file, last.fileLength, 131));
    }
    EXPECT_LE(read.records.size(), records.size());
    if (read.records.size() < last.count) tally.lostBeyondLastFlush += last.count - read.records.size();
    expectRecords(read, first(read.records.size()), dsupcrash::spectrumKind);
    tally.violations += read.verified() ? 0 : 1;
    EXPECT_EQ(read.violations, std::vector<std::string>{});
  }

  // Starts a child, lets it record for a random time after its file was created, kills it and
  // checks what it left.
  void killAndCheck(LONG fileType, std::uint64_t seed, std::mt19937_64& random) {
    TempDirectory directory;
    ChildRun child(directory.path(), fileType, seed);
    std::vector<FlushReport> reports;
    if (std::optional<FlushReport> created = child.nextReport()) reports.push_back(*created);
    ASSERT_FALSE(reports.empty()) << "the child created no file";
    child.collectFor(std::chrono::microseconds(random() % longestDelayMicroseconds), reports);
    tally.kills += child.kill() ? 1 : 0;
    while (std::optional<FlushReport> report = child.nextReport()) reports.push_back(*report);
    const Bytes file = readHostFile(directory.file(dsupcrash::fileName));
    ++tally.filesChecked;
    // Report k + 1 follows batch k: the batch under way is the one after the last report.
    const std::uint64_t batch = dsupcrash::batchSize(fileType, seed, reports.size() - 1);
    if (fileType == 131)
      checkSpectra(seed, reports.back(), batch, file);
    else
      checkSignal(fileType, seed, reports.back(), batch, file);
  }

  Tally tally;
};

TEST_F(CrashConsistency, KilledRecordingLeavesAVerifiedPrefixOfWhatWasFlushed) {
  const char* given = std::getenv("DSUP_CRASH_SEED");
  const std::uint64_t seed = given ? std::strtoull(given, nullptr, 10) : std::random_device{}();
  std::cout << "crash seed " << seed << " (DSUP_CRASH_SEED=" << seed << " repeats this run)\n";
  RecordProperty("seed", std::to_string(seed));
  std::mt19937_64 random(seed);
  for (LONG fileType : {108, 130, 179, 181, 131}) {
    for (int k = 0; k < killsPerType; ++k) {
      const std::uint64_t childSeed = random();
      SCOPED_TRACE("file type " + std::to_string(fileType) + ", child seed " + std::to_string(childSeed));
      killAndCheck(fileType, childSeed, random);
    }
  }
  std::cout << "kills " << tally.kills << ", files checked " << tally.filesChecked << ", runs complete "
            << tally.completeRuns << ", headers ahead of the data " << tally.headersAhead << ", appends cut "
            << tally.tornAppends << ", files that failed to verify " << tally.violations
            << ", points or records lost beyond the last flush " << tally.lostBeyondLastFlush << "\n";
  EXPECT_GE(tally.kills, 50);
  EXPECT_EQ(tally.lostBeyondLastFlush, 0u);
}

}  // namespace
}  // namespace dsuptest
