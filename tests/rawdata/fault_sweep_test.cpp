// Fault sweeps: each scenario runs once to count its allocations, reallocations, locks and file
// operations, then once more for each of them with that one failing, and once more for each file
// write with that write coming back short (one byte written, success reported): creation of every
// signal type (and of the fixed-cache type 130), closing with its last flush and the finish of a
// spectra file, deleting, forced and explicit flushes while writing every signal type, the header
// field writers and the 32-bit field access, spectrum records (with a spill and a forced flush), and
// snapshots of both kinds. Every run must give a documented status, leave no memory block or file
// handle behind, delete its side file at closing, and leave no file or one that the reader accepts:
// all points or records given (or all but a refused last one, or those that reached the file when
// closing failed), and an index that lacks entries only after an index failure. A header field that
// a writer did not write completely may hold anything (its length byte and old or new code units),
// which the reader cannot tell from a field given so. Then what a spectra file's context does when
// the platform moves it or fails one lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <iostream>
#include <set>

#include "raw_file_test.h"
#include "rawdata/file_context.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {
namespace {

// The records that a run's spectra file must hold in the end.
enum class Kept { all, allButARefusedLast, thoseThatReachedTheFile };

// What the sweeps of one test did, printed when it ends.
struct Tally {
  std::uint64_t operations = 0, faults = 0, unverified = 0;
};
Tally tally;

class FaultSweep : public RawFileTest {
 protected:
  // Each run calls `prepare` (not counted), then `act`, whose status must be 0 without a fault and
  // one of `failures` with one, then `finish(status)`, which cleans up and checks what the run left.
  // A run with a short write may also give 0 when the write could not be shortened (it was of one
  // byte or none): then the files must be those of the run without a fault.
  void sweep(const std::function<void()>& prepare, const std::function<LONG()>& act, const std::set<LONG>& failures,
             const std::function<void(LONG status)>& finish) {
    const std::size_t blocks = sim::liveMemoryBlocks(), files = sim::openFileHandles();
    prepare();
    sim::resetCounters();
    const LONG status = act();
    EXPECT_EQ(status, 0);
    const std::uint64_t operations = sim::operationCount(), writes = sim::operationCount(sim::Operation::fileWrite);
    const std::map<std::string, Bytes> withoutFault = filesNow();
    finish(status);
    tally.operations += operations;
    const auto faultedRun = [&](const std::string& fault, const std::function<void()>& inject, bool mayPass) {
      SCOPED_TRACE(fault);
      prepare();
      sim::resetCounters();
      inject();
      const LONG faulted = act();
      EXPECT_EQ(sim::faultsFired(), 1u);
      EXPECT_TRUE(failures.count(faulted) || (mayPass && faulted == 0)) << faulted;
      if (mayPass && faulted == 0) {
        EXPECT_TRUE(filesNow() == withoutFault) << "a short write reported as success";
      }
      finish(faulted);
      EXPECT_EQ(sim::liveMemoryBlocks(), blocks);
      EXPECT_EQ(sim::openFileHandles(), files);
      ++tally.faults;
    };
    for (std::uint64_t nth = 1; nth <= operations; ++nth)
      faultedRun("failing operation " + std::to_string(nth) + " of " + std::to_string(operations),
                 [nth] { sim::failAnyOperation(nth); }, false);
    for (std::uint64_t nth = 1; nth <= writes; ++nth)
      faultedRun("short write " + std::to_string(nth) + " of " + std::to_string(writes),
                 [nth] { sim::shortenWrite(nth, 1); }, true);
  }

  // Every file of the test's directory and below, by path, with its bytes.
  std::map<std::string, Bytes> filesNow() const {
    std::map<std::string, Bytes> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path()))
      if (entry.is_regular_file()) found[entry.path().string()] = readHostFile(entry.path().string());
    return found;
  }

  static void TearDownTestSuite() {
    std::cout << "operations swept " << tally.operations << ", faults injected " << tally.faults
              << ", files that failed to verify " << tally.unverified << "\n";
  }

  // A file created at second 0; `inFile` points are flushed at once, then the `cached` points arrive
  // at second 1 and wait in the cache.
  void recordPoints(const std::vector<double>& cached, LONG fileType = 130, const std::vector<double>& inFile = {}) {
    clockAt(0);
    handle_ = create(fileType);
    ASSERT_EQ(write(handle_, fileType, inFile), 0);
    ASSERT_EQ(DSupRwdWriteCache(handle_, 0), 0);
    clockAt(1);
    ASSERT_EQ(write(handle_, fileType, cached), 0);
    file_ = context(handle_).fileHandle;
    release(handle_);
  }

  // Closes what is open (a context whose lock failed at closing is gone with its file handle
  // unreachable), then checks and removes the signal file; `points_` are those it held.
  void finishSignal() {
    if (handle_) {
      EXPECT_EQ(DSupRwdCloseRawdataFile(&handle_), 0);
    }
    if (sim::openFileHandles() > 0) CloseHandle(file_);
    points_.clear();
    if (hostFileExists(temp.file("RUN1.DAT"))) {
      const dsupreader::SignalFile file = readBack();
      EXPECT_EQ(file.violations, std::vector<std::string>{});
      tally.unverified += file.verified() ? 0 : 1;
      points_ = file.points;
    }
    std::remove(temp.file("RUN1.DAT").c_str());
  }

  // A spectra file created at second 0; the records arrive within the first 10 seconds, so that they
  // wait in the cache and the timed flush does not write them.
  void recordSpectra(std::size_t count, std::size_t values) {
    clockAt(0);
    handle_ = createSpectra(1);
    clockAt(1);
    for (std::size_t n = 0; n < count; ++n) ASSERT_EQ(record(handle_, n, std::vector<LONG>(values, LONG(n))), 0);
    file_ = context(handle_).fileHandle;
    index_ = context(handle_).indexMemory;
    release(handle_);
    release(handle_);
  }

  // Closes what is open and checks the spectra file against the records given. A context whose lock
  // failed at closing is freed unread (GlobalLock fails on Win32 only for a handle no longer valid):
  // its file handle and index block are released here, and its side file stays.
  void finishSpectra(LONG status, Kept keep) {
    const bool freedUnread = status == 8 && !handle_;
    if (handle_) {
      EXPECT_EQ(DSupRwdCloseRawdataFile(&handle_), 0) << "closing after the fault";
    }
    if (sim::openFileHandles() > 0) CloseHandle(file_);
    if (freedUnread) GlobalFree(index_);
    for (const std::string& name : temp.listing())
      EXPECT_TRUE(name.find(".tmp") == std::string::npos || sim::fileCounters(temp.file(name)).deletes > 0 || freedUnread);
    if (hostFileExists(temp.file("RUN1.DAT"))) {
      dsupreader::SpectraFile file = readSpectra();
      const bool entriesLost = status / 1000 == 12 && file.violations.size() == 1 &&
                               file.violations[0].find("records are missing from the index") != std::string::npos;
      EXPECT_TRUE(file.verified() || entriesLost) << file.violations.front();
      tally.unverified += file.verified() || entriesLost ? 0 : 1;
      const bool someLost = (keep == Kept::allButARefusedLast && file.records.size() + 1 == given.size()) ||
                            (keep == Kept::thoseThatReachedTheFile && status != 0);
      const std::size_t kept = someLost ? std::min(file.records.size(), given.size()) : given.size();
      expectRecords(file, {given.begin(), given.begin() + static_cast<std::ptrdiff_t>(kept)}, 1);
    }
    for (const std::string& name : temp.listing()) std::filesystem::remove_all(temp.file(name));
  }

  HGLOBAL handle_ = nullptr, index_ = nullptr;
  HANDLE file_ = nullptr;
  std::vector<double> points_;
};

// Points of every encoding: small steps and jumps for the difference blocks, fractions for type
// 179, values beyond 32 bits for type 181.
std::vector<double> pointsFor(LONG fileType, std::size_t count) {
  std::vector<double> points;
  for (std::size_t i = 0; i < count; ++i) {
    const double n = static_cast<double>(i);
    if (fileType == 179) points.push_back(i % 2 ? 100000.5 + n : -n / 4);
    else if (fileType == 181) points.push_back(i % 2 ? 1e12 + n : -n * 4e9);
    else points.push_back(i % 2 ? 100000 + n : -3 * n);
  }
  return points;
}

std::vector<double> joined(std::vector<double> first, const std::vector<double>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

bool startsWith(const std::vector<double>& points, const std::vector<double>& prefix) {
  return prefix.size() <= points.size() && std::equal(prefix.begin(), prefix.end(), points.begin());
}

TEST_F(FaultSweep, SignalCreationLeavesNoFileOrAVerifiedOne) {
  const struct {
    LONG fileType;
    Creation creation;
  } kinds[] = {{108, DSupRwdCreateRawdataFile}, {130, DSupRwdCreateRawdataFile}, {179, DSupRwdCreateRawdataFile},
               {181, DSupRwdCreateRawdataFile}, {130, DSupRwdCreateNRawdataFile}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.fileType);
    LONG status = 0;
    // A failed first allocation is tried again with the smallest cache, and that succeeds.
    sweep([&] { status = 0; },
          [&] {
            handle_ = create(argumentsFor(kind.fileType), &status, kind.creation);
            EXPECT_EQ(handle_ == nullptr, status == 1);
            return status;
          },
          {0, 1}, [&](LONG) { finishSignal(); });
  }
  sim::failOperation(sim::Operation::allocate, 1);
  sim::failOperation(sim::Operation::allocate, 2);
  LONG status = 0;
  EXPECT_EQ(create(argumentsFor(130), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(FaultSweep, SignalCloseWithItsLastFlushWritesTheCachedPoints) {
  for (LONG fileType : {108, 130, 179, 181}) {
    SCOPED_TRACE(fileType);
    // The cached points widen the range, so that a header refresh that fails part-way would leave
    // extremes that disagree.
    const double scale = fileType == 181 ? 1e8 : 1.0;
    const std::vector<double> inFile = pointsFor(fileType, 50), cached = {5e5 * scale, -5e5 * scale, 3};
    sweep([&] { recordPoints(cached, fileType, inFile); },
          [&] {
            const LONG status = DSupRwdCloseRawdataFile(&handle_);
            EXPECT_EQ(handle_, nullptr);
            return status;
          },
          {8, 1003, 1004},
          [&](LONG status) {
            finishSignal();
            // A failed last flush loses the cached points; the file keeps those it had.
            EXPECT_TRUE(points_ == joined(inFile, cached) || (status != 0 && points_ == inFile)) << points_.size();
          });
  }
}

TEST_F(FaultSweep, FlushesWhileWritingEveryType) {
  for (LONG fileType : {108, 130, 179, 181}) {
    SCOPED_TRACE(fileType);
    const std::vector<double> inFile = pointsFor(fileType, 20), cached = pointsFor(fileType, 30);
    // Forced flushes of a full cache within one call; a failed flush loses points from the end only.
    const std::vector<double> many = pointsFor(fileType, 2500);
    sweep([&] { recordPoints({}, fileType); }, [&] { return write(handle_, fileType, many); }, {10, 1003, 1004},
          [&](LONG status) {
            finishSignal();
            EXPECT_TRUE(status != 0 ? startsWith(many, points_) : points_ == many);
          });
    // The explicit flush: after a failed header refresh the points wait for the flush at closing;
    // after a short append they are lost, and the file ends as before the append.
    sweep([&] { recordPoints(cached, fileType, inFile); }, [&] { return DSupRwdWriteCache(handle_, 0); },
          {1003, 1004, 1010}, [&](LONG) {
            finishSignal();
            EXPECT_TRUE(points_ == joined(inFile, cached) || points_ == inFile) << points_.size();
          });
  }
}

TEST_F(FaultSweep, HeaderWritersLeaveAFileThatVerifies) {
  const std::function<LONG()> writers[] = {
      [&] { return DSupRwdWriteBarcode(handle_, w(u"BC-0042")); },
      [&] { return DSupRwdWriteBottleNumber(handle_, 12); },
      [&] { return DSupRwdWriteDateTime(handle_, w(u"13:45 2026-01-02")); },
      [&] { return DSupRwdWriteDataType(handle_, 3); },
      [&] { return DSupRwdWriteGLPInfo(handle_, 7, 1, w(u"first"), w(u"second"), w(u"third")); },
      [&] { return DSupRwdWriteInlet(handle_, w(u"Front inlet")); },
      [&] { return DSupRwdWriteStartTime(handle_, 1500); },
      [&] { return RwdWriteLongToFile(file_, 4724, 0); },
      [&] {
        LONG failed = 0;
        const LONG value = RwdReadLongFromFile(file_, 248, &failed);
        return failed ? (value == 0 ? 3 : 99) : (value == 130 ? 0 : 99);
      }};
  for (const auto& writer : writers) {
    sweep([&] { recordPoints(pointsFor(130, 3), 130, pointsFor(130, 40)); }, writer, {3, 4, 8},
          [&](LONG) { finishSignal(); });
  }
}

TEST_F(FaultSweep, SignalSnapshotLeavesBothFilesComplete) {
  std::filesystem::create_directory(temp.file("copy"));
  const std::vector<double> inFile = pointsFor(130, 40), cached = pointsFor(130, 3);
  sweep([&] { recordPoints(cached, 130, inFile); },
        [&] {
          const LONG status = DSupRwdRawdataSnapshot(handle_, w(temp.path16() + u"copy/"));
          if (status == 0) {
            const dsupreader::SignalFile copy = dsupreader::readSignalFile(fileBytes("copy/RUN1.DAT"));
            EXPECT_EQ(copy.violations, std::vector<std::string>{});
            EXPECT_EQ(copy.points, joined(inFile, cached));
          }
          return status;
        },
        {3, 6, 7, 8, 1003, 1004}, [&](LONG) {
          finishSignal();
          EXPECT_TRUE(points_ == joined(inFile, cached) || points_ == inFile) << points_.size();
          std::filesystem::remove(temp.file("copy/RUN1.DAT"));
        });
}

TEST_F(FaultSweep, DeleteReportsOnlyAFileThatStays) {
  sweep([&] { recordPoints({1, 2}); },
        [&] {
          const LONG status = DSupRwdDeleteRawdataFile(&handle_, w(temp.path16()), w(u"RUN1.DAT"));
          EXPECT_EQ(handle_, nullptr);
          EXPECT_EQ(status == 0, !hostFileExists(temp.file("RUN1.DAT")));
          return status;
        },
        {0, 5}, [&](LONG) { finishSignal(); });
}

TEST_F(FaultSweep, SpectraCreationLeavesNoFileOrAnEmptyOne) {
  RwdHeaderParameters parameters;
  sweep([&] { parameters = parametersFor(1); },
        [&] {
          handle_ = DSupRwdCreateSpectraFile(&parameters);
          EXPECT_EQ(handle_ == nullptr, parameters.status == 1);
          return parameters.status;
        },
        {1}, [&](LONG status) { finishSpectra(status, Kept::all); });
}

TEST_F(FaultSweep, RecordThatSpillsTheIndexAndForcesAFlush) {
  // The records before wait in the cache and in the index; the next one is too large to join them
  // and its entry is the 204th in memory: the side file is created, or reopened at the 407th.
  const std::vector<LONG> values(3000, 40000);
  for (std::size_t before : {203, 406}) {
    SCOPED_TRACE(before);
    sweep([&] { recordSpectra(before, 2); }, [&] { return record(handle_, before, values); },
          // 0: the side file did not close cleanly after its entries were written, or the index
          // block could not grow but could after the spill
          {0, 10008, 10010, 11004, 12008, 12010, 12101, 12102, 12104, 12110},
          [&](LONG status) { finishSpectra(status, Kept::allButARefusedLast); });
  }
}

TEST_F(FaultSweep, SpectraClosingFinishesTheFileOrLeavesItAsWhileRecorded) {
  for (std::size_t records : {3, 250}) {  // the index from memory; through the side file
    SCOPED_TRACE(records);
    sweep([&] { recordSpectra(records, 5); }, [&] { return DSupRwdCloseRawdataFile(&handle_); },
          // 0: the side file did not close after it was read, or could not be deleted
          {0, 8, 1004}, [&](LONG status) { finishSpectra(status, Kept::thoseThatReachedTheFile); });
  }
}

TEST_F(FaultSweep, SnapshotLeavesTheDataFileComplete) {
  sweep([&] {
          std::filesystem::create_directory(temp.file("copy"));
          recordSpectra(250, 5);
        },
        [&] {
          const LONG status = DSupRwdRawdataSnapshot(handle_, w(temp.path16() + u"copy/"));
          if (status == 0) {
            const dsupreader::SpectraFile copy = readSpectra("copy/RUN1.DAT");
            EXPECT_EQ(copy.violations, std::vector<std::string>{});
            expectRecords(copy, given, 1);
          }
          return status;
        },
        {0, 3, 6, 7, 8, 1004}, [&](LONG status) { finishSpectra(status, Kept::all); });
}

using SpectraContext = RawFileTest;

TEST_F(SpectraContext, RecordsMoveItAndTheOldHandleFailsCleanlyOnceClosed) {
  sim::setAlwaysMoveOnReallocate(true);
  HGLOBAL handle = createSpectra(1);
  for (std::size_t n = 0; n < 300; ++n) {
    const void* before = &context(handle);
    release(handle);
    ASSERT_EQ(record(handle, n, std::vector<LONG>(n % 40, 7)), 0);
    EXPECT_NE(&context(handle), before) << "the context moved";
    release(handle);
  }
  HGLOBAL stale = handle;
  closeAndVerifySpectra(handle);
  const RwdSpectrumDescriptor descriptor = descriptorFor(1);
  const LONG value = 1;
  EXPECT_EQ(DSupRwdWriteSpectrumRecord(&stale, &descriptor, &value, 1, TRUE), 10010);
  EXPECT_EQ(DSupRwdRawdataSnapshot(stale, w(temp.path16())), 8);
  EXPECT_EQ(DSupRwdWriteCache(stale, 0), 1010);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&stale), 8);
}

// The sweeps stop at the failed record; here the next record follows it.
TEST_F(SpectraContext, RecordWithoutIndexEntryStillMovesTheNextRecordsOffset) {
  HGLOBAL handle = createSpectra(1);
  ASSERT_EQ(record(handle, 0, {1}), 0);
  sim::failOperation(sim::Operation::lock, 3);  // the context twice, then the index block
  EXPECT_EQ(record(handle, 1, {2, 3}), 12010);
  ASSERT_EQ(record(handle, 2, {4}), 0);
  ASSERT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  const dsupreader::SpectraFile file = readSpectra();
  EXPECT_EQ(file.violations, std::vector<std::string>{"1 records are missing from the index, the first at 4120"});
  expectRecords(file, given, 1);
  EXPECT_EQ(file.index.at(1).offset, file.records.at(2).offset);
}

}  // namespace
}  // namespace dsuptest
