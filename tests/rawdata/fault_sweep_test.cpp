// Fault sweeps: each scenario runs once to count its allocations, reallocations, locks and file
// operations, then once more for each of them with that one failing: creation, closing with its last
// flush and the finish of a spectra file, deleting, forced flushes while writing, spectrum records
// (with a spill and a forced flush), and snapshots. Every run must give a documented status, leave
// no memory block or file handle behind, delete its side file at closing, and leave no file or one
// that the reader accepts: all points or records given (or all but a refused last one, or those that
// reached the file when closing failed), and an index that lacks entries only after an index
// failure. Then what a spectra file's context does when the platform moves it or fails one lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>

#include "raw_file_test.h"
#include "rawdata/file_context.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {
namespace {

// The records that a run's spectra file must hold in the end.
enum class Kept { all, allButARefusedLast, thoseThatReachedTheFile };

class FaultSweep : public RawFileTest {
 protected:
  // Each run calls `prepare` (not counted), then `act`, whose status must be 0 without a fault and
  // one of `failures` with one, then `finish(status)`, which cleans up and checks what the run left.
  static void sweep(const std::function<void()>& prepare, const std::function<LONG()>& act, const std::set<LONG>& failures,
                    const std::function<void(LONG status)>& finish) {
    const std::size_t blocks = sim::liveMemoryBlocks(), files = sim::openFileHandles();
    prepare();
    sim::resetCounters();
    const LONG status = act();
    EXPECT_EQ(status, 0);
    const std::uint64_t operations = sim::operationCount();
    finish(status);
    for (std::uint64_t nth = 1; nth <= operations; ++nth) {
      SCOPED_TRACE("failing operation " + std::to_string(nth) + " of " + std::to_string(operations));
      prepare();
      sim::resetCounters();
      sim::failAnyOperation(nth);
      const LONG faulted = act();
      EXPECT_EQ(sim::faultsFired(), 1u);
      EXPECT_TRUE(failures.count(faulted)) << faulted;
      finish(faulted);
      EXPECT_EQ(sim::liveMemoryBlocks(), blocks);
      EXPECT_EQ(sim::openFileHandles(), files);
    }
  }

  // A type 130 file created at second 0; the points arrive at second 1 and wait in the cache.
  void recordPoints(const std::vector<double>& points) {
    clockAt(0);
    handle_ = create(130);
    clockAt(1);
    ASSERT_EQ(write(handle_, 130, points), 0);
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

TEST_F(FaultSweep, SignalCreationLeavesNoFileOrAVerifiedOne) {
  LONG status = 0;
  // A failed first allocation is tried again with the smallest cache, and that succeeds.
  sweep([&] { status = 0; },
        [&] {
          handle_ = create(argumentsFor(130), &status);
          EXPECT_EQ(handle_ == nullptr, status == 1);
          return status;
        },
        {0, 1}, [&](LONG) { finishSignal(); });
  sim::failOperation(sim::Operation::allocate, 1);
  sim::failOperation(sim::Operation::allocate, 2);
  EXPECT_EQ(create(argumentsFor(130), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(FaultSweep, SignalCloseWithItsLastFlushWritesTheCachedPoints) {
  const std::vector<double> points = {-70000, 5, 6};
  sweep([&] { recordPoints(points); },
        [&] {
          const LONG status = DSupRwdCloseRawdataFile(&handle_);
          EXPECT_EQ(handle_, nullptr);
          return status;
        },
        {8, 1003, 1004},
        [&](LONG status) {
          finishSignal();
          EXPECT_TRUE((status != 0 && points_.empty()) || points_ == points);
        });
}

TEST_F(FaultSweep, ForcedFlushesWhileWriting) {
  std::vector<double> points(2500);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = i % 2 ? 100000 : -100000;
  sweep([&] { recordPoints({}); }, [&] { return write(handle_, 130, points); }, {10, 1003, 1004},
        [&](LONG status) {
          finishSignal();
          // A full cache is flushed before it overflows; a failed flush loses points from the end only.
          EXPECT_TRUE(status != 0 ? std::equal(points_.begin(), points_.end(), points.begin()) : points_ == points);
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
