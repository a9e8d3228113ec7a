// Per-thread user interface state (thread_state.h) and the registry through which other threads
// reach a thread's posted-message queue.
#include "user/thread_state.h"

#include <map>

namespace qxplatform::user {

namespace {

struct QueueRegistry {
  std::mutex mutex;
  std::map<std::thread::id, std::weak_ptr<PostedQueue>> queues;
};

QueueRegistry& registry() {
  static QueueRegistry* instance = new QueueRegistry;  // never destroyed: used until the process ends
  return *instance;
}

// Registers the thread's queue for its lifetime.
struct RegisteredThreadState {
  ThreadState state;
  RegisteredThreadState() {
    std::lock_guard lock(registry().mutex);
    registry().queues[std::this_thread::get_id()] = state.posted;
  }
  ~RegisteredThreadState() {
    std::lock_guard lock(registry().mutex);
    registry().queues.erase(std::this_thread::get_id());
  }
};

}  // namespace

ThreadState& thisThread() {
  thread_local RegisteredThreadState instance;
  return instance.state;
}

std::shared_ptr<PostedQueue> postedQueueOf(std::thread::id thread) {
  std::lock_guard lock(registry().mutex);
  auto it = registry().queues.find(thread);
  return it == registry().queues.end() ? nullptr : it->second.lock();
}

}  // namespace qxplatform::user
