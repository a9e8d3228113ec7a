#include "common/platform_test.h"

#include "sim/inventory.h"

namespace dsuptest {

void PlatformTest::SetUp() {
  sim::resetSimulation();
  blocksAtStart_ = sim::liveMemoryBlocks();
  filesAtStart_ = sim::openFileHandles();
}

void PlatformTest::TearDown() {
  sim::resetSimulation();
  EXPECT_EQ(sim::liveMemoryBlocks(), blocksAtStart_) << "memory blocks leaked";
  EXPECT_EQ(sim::lockedMemoryBlocks(), 0u) << "memory blocks left locked";
  EXPECT_EQ(sim::openFileHandles(), filesAtStart_) << "file handles leaked";
}

}  // namespace dsuptest
