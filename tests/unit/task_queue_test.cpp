// The main-thread task queue and its lock.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "host/task_queue.h"

namespace {

std::vector<std::string>* journal = nullptr;

void Record(void* first, void* second) {
  journal->push_back(static_cast<const char*>(first));
}

void PostChildren(void* first, void* second) {
  journal->push_back("parent");
  PostToMainThread(&Record, const_cast<char*>("child 1"), nullptr);
  PostToMainThread(&Record, const_cast<char*>("child 2"), nullptr);
}

void CheckLockIsFree(void* first, void* second) {
  const bool free = host::TaskQueueLock().try_lock();
  if (free) host::TaskQueueLock().unlock();
  journal->push_back(free ? "free" : "held");
}

class TaskQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    host::CreateTaskQueueLock();
    host::RunMainThreadTasks();  // nothing left from other tests
    journal = &entries;
  }
  std::vector<std::string> entries;
};

TEST_F(TaskQueue, RunsTheNewestTaskFirst) {
  PostToMainThread(&Record, const_cast<char*>("first"), nullptr);
  PostToMainThread(&Record, const_cast<char*>("second"), nullptr);
  PostToMainThread(&Record, const_cast<char*>("third"), nullptr);
  host::RunMainThreadTasks();
  EXPECT_EQ(entries, (std::vector<std::string>{"third", "second", "first"}));
}

TEST_F(TaskQueue, TasksPostedByATaskRunInTheSamePassBeforeOlderOnes) {
  PostToMainThread(&Record, const_cast<char*>("older"), nullptr);
  PostToMainThread(&PostChildren, nullptr, nullptr);
  host::RunMainThreadTasks();
  EXPECT_EQ(entries, (std::vector<std::string>{"parent", "child 2", "child 1", "older"}));
}

TEST_F(TaskQueue, TheLockIsNotHeldWhileATaskRuns) {
  PostToMainThread(&CheckLockIsFree, nullptr, nullptr);
  host::RunMainThreadTasks();
  EXPECT_EQ(entries, (std::vector<std::string>{"free"}));
}

TEST_F(TaskQueue, WorkersPostConcurrently) {
  static std::atomic<int> ran{0};
  ran = 0;
  std::vector<std::thread> workers;
  for (int w = 0; w < 4; ++w) {
    workers.emplace_back([] {
      for (int i = 0; i < 500; ++i) PostToMainThread([](void*, void*) { ++ran; }, nullptr, nullptr);
    });
  }
  for (auto& t : workers) t.join();
  host::RunMainThreadTasks();
  EXPECT_EQ(ran.load(), 2000);
}

}  // namespace
