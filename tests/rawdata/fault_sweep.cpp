#include "fault_sweep.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {

void sweepEveryOperation(const std::function<void()>& prepare, const std::function<LONG()>& act,
                         const std::set<LONG>& failures, const std::function<void(LONG status)>& finish) {
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

}  // namespace dsuptest
