#include "host/task_queue.h"

#include <vector>

#include "host/entry_guard.h"

namespace host {
namespace {

struct Task {
  MainThreadTask function;
  void* first;
  void* second;
};

std::mutex* lock = nullptr;
// Never destroyed, as the lock: tasks a worker posts while the process ends
// stay reachable (and their requests with them) instead of being dropped by
// the C runtime's exit.
std::vector<Task>& Tasks() {
  static auto* tasks = new std::vector<Task>();
  return *tasks;
}

}  // namespace

void CreateTaskQueueLock() {
  if (lock == nullptr) lock = new std::mutex();  // never deleted: no detach
}

std::mutex& TaskQueueLock() {
  CreateTaskQueueLock();
  return *lock;
}

void RunMainThreadTasks() {
  std::unique_lock guard(TaskQueueLock());
  while (!Tasks().empty()) {
    const Task task = Tasks().back();
    Tasks().pop_back();
    guard.unlock();
    // A failing task ends alone: the tasks after it still run.
    Shielded("main-thread task", [&] { task.function(task.first, task.second); }, [] {});
    guard.lock();
  }
}

}  // namespace host

void PostToMainThread(MainThreadTask function, void* first, void* second) {
  if (function == nullptr) return;
  std::lock_guard guard(host::TaskQueueLock());
  host::Tasks().push_back({function, first, second});
}
