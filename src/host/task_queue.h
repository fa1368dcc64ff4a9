// The main-thread task queue: the only way from a worker thread (or from a
// widget event) onto the host's main thread. OnFrameTick runs the queue.
#pragma once

#include <mutex>

using MainThreadTask = void (*)(void* first, void* second);

// Appends a task under TaskQueueLock. Any thread. Tasks run last in, first out.
void PostToMainThread(MainThreadTask function, void* first, void* second);

namespace host {

// The one lock shared across threads; it guards only the task vector.
// REQUIRES: CreateTaskQueueLock ran (the entry point does, before any patch).
std::mutex& TaskQueueLock();
void CreateTaskQueueLock();

// Runs queued tasks until the queue is empty, newest first. The lock is held
// only to take one task off the queue, never while a task runs, so a task may
// post further tasks (they run in the same pass). A task that fails is
// reported and the others still run.
void RunMainThreadTasks();

}  // namespace host
