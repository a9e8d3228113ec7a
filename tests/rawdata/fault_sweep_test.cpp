// Fault sweeps: each scenario runs once to count its allocations, locks and file operations, then
// once more for each of them with that one failing. Every run must give a documented status,
// leave no memory block or file handle behind, and leave no file or one that the reader verifies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

#include "fault_sweep.h"
#include "rawdata/file_context.h"
#include "signal_file_test.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {
namespace {

class FaultSweep : public SignalFileTest {
 protected:
  // `check(faulted)` looks at each run's file.
  void sweep(const std::function<void()>& prepare, const std::function<LONG()>& act, const std::set<LONG>& failures,
             const std::function<void(bool)>& check = [](bool) {}) {
    sweepEveryOperation(prepare, act, failures, [&](LONG status) {
      finish();
      check(status != 0 || sim::faultsFired() != 0);
    });
  }

  // Closes what is open (a context whose lock failed at closing is gone with its file handle
  // unreachable), then checks and removes the file.
  void finish() {
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

  void recordPoints(const std::vector<double>& points) {
    clockAt(0);
    handle_ = create(130);
    clockAt(1);
    ASSERT_EQ(write(handle_, 130, points), 0);
    file_ = context(handle_).fileHandle;
    release(handle_);
  }

  HGLOBAL handle_ = nullptr;
  HANDLE file_ = nullptr;
  std::vector<double> points_;
};

TEST_F(FaultSweep, CreationLeavesNoFileOrAVerifiedOne) {
  LONG status = 0;
  // A failed first allocation is tried again with the smallest cache, and that succeeds.
  sweep([&] { status = 0; },
        [&] {
          handle_ = create(argumentsFor(130), &status);
          EXPECT_EQ(handle_ == nullptr, status == 1);
          return status;
        },
        {0, 1});
  sim::failOperation(sim::Operation::allocate, 1);
  sim::failOperation(sim::Operation::allocate, 2);
  EXPECT_EQ(create(argumentsFor(130), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(FaultSweep, CloseWithItsLastFlush) {
  const std::vector<double> points = {-70000, 5, 6};
  sweep([&] { recordPoints(points); }, [&] { return DSupRwdCloseRawdataFile(&handle_); }, {8, 1003, 1004},
        [&](bool faulted) { EXPECT_TRUE((faulted && points_.empty()) || points_ == points); });
}

TEST_F(FaultSweep, ForcedFlushesWhileWriting) {
  std::vector<double> points(2500);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = i % 2 ? 100000 : -100000;
  sweep([&] { recordPoints({}); }, [&] { return write(handle_, 130, points); }, {10, 1003, 1004},
        [&](bool faulted) {
          // A full cache is flushed before it overflows; a failed flush loses points from the end only.
          EXPECT_TRUE(faulted ? std::equal(points_.begin(), points_.end(), points.begin()) : points_ == points);
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
        {0, 5});
}

}  // namespace
}  // namespace dsuptest
