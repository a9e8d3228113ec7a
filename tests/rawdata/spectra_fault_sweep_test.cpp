// Fault sweeps of spectra files and snapshots: every allocation, reallocation, lock and file
// operation of creation, record writing (with a spill and a forced flush), closing with its finish,
// and snapshots fails in turn. Each run gives a documented status, leaks nothing, deletes its side
// file at closing, and leaves a data file that the reader accepts: all records given (or all but a
// refused last one, or those that reached the file when closing failed), and an index that lacks
// entries only after an index failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "fault_sweep.h"
#include "rawdata/file_context.h"
#include "sim/faults.h"
#include "sim/inventory.h"
#include "spectra_file_test.h"

namespace dsuptest {
namespace {

// The records that a run's data file must hold in the end.
enum class Kept { all, allButARefusedLast, thoseThatReachedTheFile };

class SpectraFaultSweep : public SpectraFileTest {
 protected:
  void SetUp() override {
    SpectraFileTest::SetUp();
    std::filesystem::create_directory(temp.file("copy"));
  }

  // Creation at second 0; the records then arrive within the first 10 seconds, so that they wait in
  // the cache and the timed flush does not write them.
  void recordSpectra(std::size_t count, std::size_t values) {
    given.clear();
    clockAt(0);
    handle_ = createSpectra(1);
    clockAt(1);
    for (std::size_t n = 0; n < count; ++n) ASSERT_EQ(record(handle_, n, std::vector<LONG>(values, LONG(n))), 0);
    file_ = context(handle_).fileHandle;
    index_ = context(handle_).indexMemory;
    release(handle_);
    release(handle_);
  }

  // Closes what is open and checks the data file against the records given. A context whose lock
  // failed at closing is freed unread (GlobalLock fails on Win32 only for a handle no longer valid):
  // its file handle and index block are released here, and its side file stays.
  void finish(LONG status, Kept keep) {
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
    std::filesystem::create_directory(temp.file("copy"));
  }

  HGLOBAL handle_ = nullptr, index_ = nullptr;
  HANDLE file_ = nullptr;
};

TEST_F(SpectraFaultSweep, CreationLeavesNoFileOrAnEmptyOne) {
  RwdHeaderParameters parameters;
  sweepEveryOperation([&] { parameters = parametersFor(1); },
                      [&] {
                        handle_ = DSupRwdCreateSpectraFile(&parameters);
                        EXPECT_EQ(handle_ == nullptr, parameters.status == 1);
                        return parameters.status;
                      },
                      {1}, [&](LONG status) { finish(status, Kept::all); });
}

TEST_F(SpectraFaultSweep, RecordThatSpillsTheIndexAndForcesAFlush) {
  // The records before wait in the cache and in the index; the next one is too large to join them
  // and its entry is the 204th in memory: the side file is created, or reopened at the 407th.
  const std::vector<LONG> values(3000, 40000);
  for (std::size_t before : {203, 406}) {
    SCOPED_TRACE(before);
    sweepEveryOperation([&] { recordSpectra(before, 2); }, [&] { return record(handle_, before, values); },
                        // 0: the side file did not close cleanly after its entries were written, or
                        // the index block could not grow but could after the spill
                        {0, 10008, 10010, 11004, 12008, 12010, 12101, 12102, 12104, 12110},
                        [&](LONG status) { finish(status, Kept::allButARefusedLast); });
  }
}

TEST_F(SpectraFaultSweep, ClosingFinishesTheFileOrLeavesItAsWhileRecorded) {
  for (std::size_t records : {3, 250}) {  // the index from memory; through the side file
    SCOPED_TRACE(records);
    sweepEveryOperation([&] { recordSpectra(records, 5); }, [&] { return DSupRwdCloseRawdataFile(&handle_); },
                        // 0: the side file did not close after it was read, or could not be deleted
                        {0, 8, 1004}, [&](LONG status) { finish(status, Kept::thoseThatReachedTheFile); });
  }
}

TEST_F(SpectraFaultSweep, SnapshotLeavesTheDataFileComplete) {
  sweepEveryOperation([&] { recordSpectra(250, 5); },
                      [&] {
                        const LONG status = DSupRwdRawdataSnapshot(handle_, w(temp.path16() + u"copy/"));
                        if (status == 0) {
                          const dsupreader::SpectraFile copy = dsupreader::readSpectraFile(readHostFile(temp.file("copy/RUN1.DAT")));
                          EXPECT_EQ(copy.violations, std::vector<std::string>{});
                          expectRecords(copy, given, 1);
                        }
                        return status;
                      },
                      {0, 3, 6, 7, 8, 1004}, [&](LONG status) { finish(status, Kept::all); });
}

}  // namespace
}  // namespace dsuptest
