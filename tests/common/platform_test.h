// The base fixture of every test that touches the platform layer: a temporary directory, a fresh
// authorization registry (the default user, no permission) and, on the simulated platform, a
// fresh simulation (simulated clock, no faults, counters at 0, empty trace) and a scripted user.
// At the end it checks that the test left no authorization service handle behind and released
// none twice, and, on the simulated platform, that it left no memory block, lock, open file
// handle, window or device context behind and that its script was played to the end without
// failures. Under Wine (DSUP_SIMULATION 0) the platform checks are left out.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "common/temp_directory.h"
#if DSUP_SIMULATION
#include "sim/scripted_user.h"
#endif

namespace dsuptest {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TempDirectory temp;
#if DSUP_SIMULATION
  sim::ScriptedUser user;
#endif

 private:
  std::size_t blocksAtStart_ = 0;
  std::size_t filesAtStart_ = 0;
  std::size_t windowsAtStart_ = 0;
  std::size_t deviceContextsAtStart_ = 0;
  unsigned serviceHandlesAtStart_ = 0;
};

}  // namespace dsuptest
