#include "common/platform_test.h"

#include <authorization_registry.h>

#if DSUP_SIMULATION
#include "sim/inventory.h"
#endif

namespace dsuptest {

void PlatformTest::SetUp() {
#if DSUP_SIMULATION
  sim::resetSimulation();
  blocksAtStart_ = sim::liveMemoryBlocks();
  filesAtStart_ = sim::openFileHandles();
#endif
  AuthorizationReset();
  serviceHandlesAtStart_ = AuthorizationLiveHandles();
}

void PlatformTest::TearDown() {
#if DSUP_SIMULATION
  sim::resetSimulation();
  EXPECT_EQ(sim::liveMemoryBlocks(), blocksAtStart_) << "memory blocks leaked";
  EXPECT_EQ(sim::lockedMemoryBlocks(), 0u) << "memory blocks left locked";
  EXPECT_EQ(sim::openFileHandles(), filesAtStart_) << "file handles leaked";
#endif
  EXPECT_EQ(AuthorizationLiveHandles(), serviceHandlesAtStart_) << "authorization service handles leaked";
  EXPECT_EQ(AuthorizationRejectedHandles(), 0u) << "an authorization service handle was not live when used";
}

}  // namespace dsuptest
