// Fault sweeps: each scenario runs once to count its allocations, locks and file operations, then
// once more for each of them with that one failing. Every run must give a documented status,
// leave no memory block or file handle behind, and leave either no file or one that the reader
// verifies.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "rawdata/file_context.h"
#include "signal_file_test.h"
#include "sim/clock.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {
namespace {

class FaultSweep : public SignalFileTest {
 protected:
  // prepare: the uncounted set-up; act: the operation under test, giving its status; check: what
  // the run left, given the operation that failed (0: none).
  void sweep(const std::function<void()>& prepare, const std::function<LONG()>& act,
             const std::function<void(std::uint64_t, LONG)>& check) {
    const std::size_t blocks = sim::liveMemoryBlocks(), files = sim::openFileHandles();
    prepare();
    sim::resetCounters();
    const LONG undisturbed = act();
    const std::uint64_t operations = sim::operationCount();
    check(0, undisturbed);
    ASSERT_GT(operations, 0u);
    for (std::uint64_t nth = 1; nth <= operations; ++nth) {
      SCOPED_TRACE("failing operation " + std::to_string(nth) + " of " + std::to_string(operations));
      prepare();
      sim::resetCounters();
      sim::failAnyOperation(nth);
      const LONG status = act();
      EXPECT_EQ(sim::faultsFired(), 1u);
      sim::clearFaults();
      check(nth, status);
      EXPECT_EQ(sim::liveMemoryBlocks(), blocks);
      EXPECT_EQ(sim::openFileHandles(), files);
    }
  }

  // Closes what the scenario left open, then checks and removes the file.
  void finishFile(bool expectFile = true) {
    if (handle_) {
      EXPECT_EQ(DSupRwdCloseRawdataFile(&handle_), 0);
    }
    EXPECT_EQ(hostFileExists(temp.file("RUN1.DAT")), expectFile);
    if (expectFile) {
      const dsupreader::SignalFile file = readBack();
      EXPECT_EQ(file.violations, std::vector<std::string>{});
      points_ = file.points;
    }
    std::remove(temp.file("RUN1.DAT").c_str());
  }

  // A cache of points waiting for the next flush, and the file handle as the context holds it
  // (a close whose lock fails cannot reach it any more).
  void recordThreePoints() {
    clockAt(0);
    handle_ = create(108);
    clockAt(1);
    const LONG points[] = {-70000, 5, 6};
    ASSERT_EQ(DSupRwdWriteRawdata(handle_, points, 3), 0);
    file_ = context(handle_).fileHandle;
    release(handle_);
  }

  void closeUnreachableFile() {
    if (sim::openFileHandles() > 0) CloseHandle(file_);
  }

  HGLOBAL handle_ = nullptr;
  HANDLE file_ = nullptr;
  std::vector<double> points_;
};

TEST_F(FaultSweep, Creation) {
  LONG status = 0;
  sweep([&] { status = 0; },
        [&] {
          handle_ = create(argumentsFor(130), &status);
          return status;
        },
        [&](std::uint64_t nth, LONG result) {
          // The first allocation is tried again with the smallest cache, and that succeeds.
          const bool created = nth <= 1;
          EXPECT_EQ(result, created ? 0 : 1);
          EXPECT_EQ(handle_ != nullptr, created);
          finishFile(created);
        });
}

TEST_F(FaultSweep, CreationWithoutMemoryForEitherCache) {
  sim::failOperation(sim::Operation::allocate, 1);
  sim::failOperation(sim::Operation::allocate, 2);
  LONG status = 0;
  EXPECT_EQ(create(argumentsFor(130), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(FaultSweep, CloseWithAFinalFlush) {
  sweep([&] { recordThreePoints(); }, [&] { return DSupRwdCloseRawdataFile(&handle_); },
        [&](std::uint64_t nth, LONG status) {
          static const std::set<LONG> failures{8, 1003, 1004};
          EXPECT_EQ(handle_, nullptr);
          EXPECT_TRUE(nth == 0 ? status == 0 : failures.count(status) == 1) << status;
          closeUnreachableFile();
          finishFile();
          EXPECT_TRUE(points_.empty() || points_ == (std::vector<double>{-70000, 5, 6}));
        });
}

TEST_F(FaultSweep, ForcedFlushesWhileWriting) {
  std::vector<LONG> points(2500);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = i % 2 ? 100000 : -100000;
  sweep(
      [&] {
        clockAt(0);
        handle_ = create(130);
        clockAt(1);
      },
      [&] { return DSupRwdWriteRawdata(handle_, points.data(), static_cast<LONG>(points.size())); },
      [&](std::uint64_t nth, LONG status) {
        static const std::set<LONG> failures{10, 1003, 1004};
        EXPECT_TRUE(nth == 0 ? status == 0 : failures.count(status) == 1) << status;
        finishFile();
        // Whatever was lost, the file holds the points from the first on, in order.
        ASSERT_LE(points_.size(), points.size());
        EXPECT_TRUE(std::equal(points_.begin(), points_.end(), points.begin()));
        if (nth == 0) {
          EXPECT_EQ(points_.size(), points.size());
        }
      });
}

TEST_F(FaultSweep, HeaderFieldWriters) {
  const std::u16string text(60, u'g');
  sweep([&] { handle_ = create(181); },
        [&] {
          const LONG glp = DSupRwdWriteGLPInfo(handle_, 3, 4, text.c_str(), text.c_str(), text.c_str());
          return glp ? glp : DSupRwdWriteStartTime(handle_, 0x3F800000);
        },
        [&](std::uint64_t nth, LONG status) {
          static const std::set<LONG> failures{3, 4, 8};
          EXPECT_TRUE(nth == 0 ? status == 0 : failures.count(status) == 1) << status;
          finishFile();
        });
}

TEST_F(FaultSweep, Delete) {
  sweep([&] { recordThreePoints(); },
        [&] { return DSupRwdDeleteRawdataFile(&handle_, temp.path16().c_str(), u"RUN1.DAT"); },
        [&](std::uint64_t, LONG status) {
          EXPECT_EQ(handle_, nullptr);
          // The close's status is not reported: only a file that stays gives 5 (with a failed
          // lock the context, and so its open file, cannot be reached; the file is in use).
          EXPECT_EQ(status == 0, !hostFileExists(temp.file("RUN1.DAT")));
          closeUnreachableFile();
          finishFile(status != 0);
        });
}

}  // namespace
}  // namespace dsuptest
