// Calls on one file context handle run one after the other: every exported function that works on
// a handle holds the handle's guard for its whole length, across the unlocks around a resize of
// the context too, so that a driver that uses one handle from several threads keeps its file well
// formed. Handles share a small fixed set of locks by their value: nothing is allocated or freed
// with a handle, and calls on different handles seldom wait for each other.
#pragma once

#include <windows.h>

namespace dsup {

class CallGuard {
 public:
  // REQUIRES: the calling thread holds no guard (guards do not nest).
  explicit CallGuard(const void* handle);
  ~CallGuard();
  CallGuard(const CallGuard&) = delete;
  CallGuard& operator=(const CallGuard&) = delete;

 private:
  SRWLOCK* lock_;
};

}  // namespace dsup
