// The fault sweep: a scenario runs once to count its allocations, locks and file operations, then
// once more for each of them with that one failing.
#pragma once

#include <windows.h>

#include <functional>
#include <set>

namespace dsuptest {

// Each run calls `prepare` (not counted), then `act`, whose status must be 0 without a fault and one
// of `failures` with one, then `finish(status)`, which cleans up and checks what the run left. Every
// run must leave no more memory blocks and file handles than there were before the sweep.
void sweepEveryOperation(const std::function<void()>& prepare, const std::function<LONG()>& act,
                         const std::set<LONG>& failures, const std::function<void(LONG status)>& finish);

}  // namespace dsuptest
