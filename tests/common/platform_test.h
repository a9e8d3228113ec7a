// The base fixture of every test that touches the platform layer: a temporary directory, a fresh
// authorization registry (the default user, no permission) and, on the simulated platform, a
// fresh simulation (simulated clock, no faults, counters at 0). At the end it checks that the test
// left no authorization service handle behind and released none twice, and, on the simulated
// platform, that it left no memory block, lock or open file handle behind. Under Wine
// (DSUP_SIMULATION 0) the platform checks are left out.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "common/temp_directory.h"

namespace dsuptest {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TempDirectory temp;

 private:
  std::size_t blocksAtStart_ = 0;
  std::size_t filesAtStart_ = 0;
  unsigned serviceHandlesAtStart_ = 0;
};

}  // namespace dsuptest
