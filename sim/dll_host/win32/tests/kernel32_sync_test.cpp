// Waits, threads, critical sections, TLS and the last error.
#include <atomic>

#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/dll_host/win32/msvcrt_exports.h"
#include "sim/dll_host/win32/tests/layer_test.h"
#include "sim/dll_host/win32/tests/test_machine.h"
#include "sim/os/sim_os.h"
#include "sim/dll_host/session.h"

using namespace sim::dll_host::win32;

namespace {

constexpr Dword kWaitObject0 = 0, kWaitTimeout = 0x102, kWaitFailed = 0xFFFFFFFF;

TEST_CASE("waits: reset kinds, semaphore counts, wait-any and wait-all with timeout 0") {
  const Handle manual = CreateEventA(nullptr, kTrue, kTrue, nullptr);
  const Handle automatic = CreateEventA(nullptr, kFalse, kTrue, nullptr);
  const Handle unset = CreateEventA(nullptr, kFalse, kFalse, nullptr);
  const Handle semaphore = CreateSemaphoreA(nullptr, 2, 3, nullptr);
  int32_t previous = -1;

  struct Step {
    const char* what;
    std::function<Dword()> call;
    Dword expected;
  };
  const Handle anyPair[] = {unset, automatic};
  const Handle allPair[] = {semaphore, unset};
  const Step steps[] = {
      {"manual stays set", [&] { return WaitForSingleObject(manual, 0); }, kWaitObject0},
      {"manual still set", [&] { return WaitForSingleObject(manual, 0); }, kWaitObject0},
      {"manual reset", [&] { ResetEvent(manual); return WaitForSingleObject(manual, 0); }, kWaitTimeout},
      {"wait-any takes the set one", [&] { return WaitForMultipleObjects(2, anyPair, kFalse, 0); }, kWaitObject0 + 1},
      {"auto event consumed", [&] { return WaitForSingleObject(automatic, 0); }, kWaitTimeout},
      {"auto event set again", [&] { SetEvent(automatic); return WaitForSingleObject(automatic, 0); }, kWaitObject0},
      {"semaphore 2 -> 1", [&] { return WaitForSingleObject(semaphore, 0); }, kWaitObject0},
      {"wait-all not ready", [&] { return WaitForMultipleObjects(2, allPair, kTrue, 0); }, kWaitTimeout},
      {"wait-all took nothing", [&] { return WaitForSingleObject(semaphore, 0); }, kWaitObject0},
      {"semaphore empty", [&] { return WaitForSingleObject(semaphore, 0); }, kWaitTimeout},
      {"release 2 reports 0", [&] { ReleaseSemaphore(semaphore, 2, &previous); return Dword(previous); }, 0},
      {"release past maximum refused", [&] { return Dword(ReleaseSemaphore(semaphore, 2, &previous)); }, 0},
      {"refusal sets the error", [&] { return GetLastError(); }, kErrorTooManyPosts},
      {"wait-all ready", [&] { SetEvent(unset); return WaitForMultipleObjects(2, allPair, kTrue, 0); }, kWaitObject0},
      {"wait-all consumed the auto event", [&] { return WaitForSingleObject(unset, 0); }, kWaitTimeout},
      {"wait-all took one count of two", [&] { return WaitForSingleObject(semaphore, 0); }, kWaitObject0},
      {"semaphore empty again", [&] { return WaitForSingleObject(semaphore, 0); }, kWaitTimeout},
      {"INFINITE on a set event", [&] { SetEvent(manual); return WaitForSingleObject(manual, kInfinite); }, kWaitObject0},
      {"closed handle fails", [&] { CloseHandle(unset); return WaitForSingleObject(unset, 0); }, kWaitFailed},
      {"with invalid handle", [&] { return GetLastError(); }, kErrorInvalidHandle},
  };
  for (const Step& step : steps) {
    const Dword got = step.call();
    if (got != step.expected) {
      layer_test::Failed(__FILE__, __LINE__, std::string(step.what) + ": got " + std::to_string(got));
    }
  }
  for (Handle h : {manual, automatic, semaphore}) CHECK(CloseHandle(h));
}

std::atomic<int> routineRuns{0};

Dword __attribute__((stdcall)) ReturnSeven(void* parameter) {
  ++routineRuns;
  SetEvent(static_cast<Handle>(reinterpret_cast<uintptr_t>(parameter)));
  return 7;
}

TEST_CASE("threads: suspended start, resume, handle signalled at the end, counted") {
  const Handle ran = CreateEventA(nullptr, kTrue, kFalse, nullptr);
  const int enteredBefore = sim::dll_host::test::threadsEntered;
  const int leftBefore = sim::dll_host::test::threadsLeft;
  Dword id = 0;
  const Handle thread = CreateThread(nullptr, 0, &ReturnSeven,
                                     reinterpret_cast<void*>(uintptr_t{ran}), 0x4, &id);
  CHECK(thread != 0);
  CHECK(id != 0 && id != GetCurrentThreadId());
  CHECK_EQ(sim::dll_host::MachineOs().RunningThreads(), 1);
  CHECK_EQ(WaitForSingleObject(ran, 0), kWaitTimeout);  // still suspended
  CHECK_EQ(WaitForSingleObject(thread, 0), kWaitTimeout);
  CHECK_EQ(ResumeThread(thread), 1u);
  CHECK_EQ(WaitForSingleObject(thread, kInfinite), kWaitObject0);
  CHECK_EQ(WaitForSingleObject(ran, 0), kWaitObject0);
  CHECK_EQ(WaitForSingleObject(thread, 0), kWaitObject0);  // a thread stays signalled
  CHECK_EQ(sim::dll_host::MachineOs().RunningThreads(), 0);
  CHECK_EQ(sim::dll_host::test::threadsEntered - enteredBefore, 1);
  CHECK_EQ(sim::dll_host::test::threadsLeft - leftBefore, 1);
  CHECK_EQ(ResumeThread(thread), 0u);
  CHECK(CloseHandle(thread));
  CHECK(CloseHandle(ran));
}

uint32_t __attribute__((stdcall)) EndsEarly(void* parameter) {
  *static_cast<int*>(parameter) = 1;
  CrtEndThreadEx(5);
}

TEST_CASE("_endthreadex ends the thread: detach runs, handle signalled, counted") {
  const int leftBefore = sim::dll_host::test::threadsLeft;
  int reached = 0;
  const uintptr_t thread = CrtBeginThreadEx(nullptr, 0, &EndsEarly, &reached, 0, nullptr);
  CHECK(thread != 0);
  CHECK_EQ(WaitForSingleObject(static_cast<Handle>(thread), kInfinite), kWaitObject0);
  CHECK_EQ(reached, 1);
  CHECK_EQ(sim::dll_host::test::threadsLeft - leftBefore, 1);
  CHECK_EQ(sim::dll_host::MachineOs().RunningThreads(), 0);
  CloseHandle(static_cast<Handle>(thread));
}

struct Relay {
  Handle go, done;
};

Dword __attribute__((stdcall)) WaitThenSignal(void* parameter) {
  auto* relay = static_cast<Relay*>(parameter);
  if (WaitForSingleObject(relay->go, kInfinite) != kWaitObject0) return 1;
  SetEvent(relay->done);
  return 0;
}

TEST_CASE("an INFINITE wait wakes when another thread signals") {
  Relay relay{CreateEventA(nullptr, kFalse, kFalse, nullptr), CreateEventA(nullptr, kFalse, kFalse, nullptr)};
  const Handle thread = CreateThread(nullptr, 0, &WaitThenSignal, &relay, 0, nullptr);
  SetEvent(relay.go);
  CHECK_EQ(WaitForSingleObject(relay.done, kInfinite), kWaitObject0);
  const Handle both[] = {thread, relay.go};
  SetEvent(relay.go);  // the worker took the first signal: this one stays
  CHECK_EQ(WaitForMultipleObjects(2, both, kTrue, kInfinite), kWaitObject0);
  CHECK_EQ(WaitForSingleObject(relay.go, 0), kWaitTimeout);
  for (Handle h : {thread, relay.go, relay.done}) CloseHandle(h);
}

TEST_CASE("handles: pseudo-handles duplicate to real ones, closed handles are invalid") {
  Handle duplicate = 0;
  CHECK(DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &duplicate,
                        0, kFalse, 2));
  CHECK(duplicate != 0 && duplicate != GetCurrentThread());
  Dword flags = 99;
  CHECK(GetHandleInformation(duplicate, &flags));
  CHECK_EQ(flags, 0u);
  CHECK(SetThreadPriority(duplicate, 2));
  CHECK_EQ(GetThreadPriority(GetCurrentThread()), 2);  // the same thread
  SetThreadPriority(duplicate, 0);
  CHECK_EQ(WaitForSingleObject(duplicate, 0), kWaitTimeout);  // this thread runs
  CHECK(CloseHandle(duplicate));
  CHECK(!GetHandleInformation(duplicate, &flags));
  CHECK_EQ(GetLastError(), kErrorInvalidHandle);
  CHECK(!CloseHandle(duplicate));
  CHECK(CloseHandle(GetCurrentProcess()));
  uint32_t processMask = 0, systemMask = 0;
  CHECK(GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask));
  CHECK(processMask != 0 && processMask == systemMask);
}

Dword __attribute__((stdcall)) TryEnterElsewhere(void* parameter) {
  auto* section = static_cast<CriticalSection*>(parameter);
  if (!TryEnterCriticalSection(section)) return 0;
  LeaveCriticalSection(section);
  return 1;
}

Dword __attribute__((stdcall)) RecordTry(void* parameter) {
  auto* pair = static_cast<std::pair<CriticalSection*, int>*>(parameter);
  pair->second = static_cast<int>(TryEnterElsewhere(pair->first));
  return 0;
}

int OtherThreadEnters(CriticalSection* section) {
  std::pair<CriticalSection*, int> pair{section, -1};
  const Handle thread = CreateThread(nullptr, 0, &RecordTry, &pair, 0, nullptr);
  WaitForSingleObject(thread, kInfinite);
  CloseHandle(thread);
  return pair.second;
}

TEST_CASE("critical sections are recursive and exclude other threads until fully left") {
  CriticalSection section;
  InitializeCriticalSection(&section);
  EnterCriticalSection(&section);
  CHECK(TryEnterCriticalSection(&section));  // recursion
  CHECK_EQ(section.recursionCount, 2);
  CHECK_EQ(OtherThreadEnters(&section), 0);
  LeaveCriticalSection(&section);
  CHECK_EQ(OtherThreadEnters(&section), 0);  // still held once
  LeaveCriticalSection(&section);
  CHECK_EQ(OtherThreadEnters(&section), 1);
  bool refused = false;
  try {
    LeaveCriticalSection(&section);  // not held
  } catch (const sim::dll_host::test::ScenarioFailed&) {
    refused = true;
  }
  CHECK(refused);
  DeleteCriticalSection(&section);
  CHECK_EQ(section.debugInfo, 0u);
}

struct TlsProbe {
  Dword slot;
  void* seen;
  Dword errorSeen;
};

Dword __attribute__((stdcall)) ProbeTls(void* parameter) {
  auto* probe = static_cast<TlsProbe*>(parameter);
  probe->errorSeen = GetLastError();  // a new thread starts with no error
  probe->seen = TlsGetValue(probe->slot);
  TlsSetValue(probe->slot, reinterpret_cast<void*>(2));
  SetLastError(77);
  return 0;
}

TEST_CASE("TLS slots and the last error are per thread; TlsGetValue clears the error") {
  const Dword slot = TlsAlloc();
  CHECK(slot != 0xFFFFFFFF);
  CHECK(TlsAlloc() != slot);
  CHECK(TlsSetValue(slot, reinterpret_cast<void*>(1)));
  SetLastError(5);
  TlsProbe probe{slot, reinterpret_cast<void*>(9), 9};
  const Handle thread = CreateThread(nullptr, 0, &ProbeTls, &probe, 0, nullptr);
  WaitForSingleObject(thread, kInfinite);
  CloseHandle(thread);
  CHECK(probe.seen == nullptr);
  CHECK_EQ(probe.errorSeen, 0u);
  CHECK_EQ(GetLastError(), 5u);
  CHECK(TlsGetValue(slot) == reinterpret_cast<void*>(1));
  CHECK_EQ(GetLastError(), 0u);
  CHECK(TlsGetValue(4000) == nullptr);
  CHECK_EQ(GetLastError(), kErrorInvalidParameter);
}

}  // namespace
