#include "sim/dll_host/win32/handle_table.h"

#include <map>
#include <utility>

namespace sim::dll_host::win32 {
namespace {

// Handle values as Windows hands them out: small multiples of four, far
// below any pointer of this program, so a handle is never mistaken for one.
constexpr Handle kFirstHandle = 0x100;
constexpr Handle kHandleStep = 4;

struct Table {
  std::mutex lock;
  std::map<Handle, std::shared_ptr<KernelObject>> objects;
  Handle next = kFirstHandle;
};

// Never destroyed: workers may still close handles while the program exits.
Table& TheTable() {
  static auto* table = new Table();
  return *table;
}

}  // namespace

std::mutex& SyncMutex() {
  static auto* mutex = new std::mutex();
  return *mutex;
}

std::condition_variable& SyncChanged() {
  static auto* changed = new std::condition_variable();
  return *changed;
}

Handle AddHandle(std::shared_ptr<KernelObject> object) {
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  const Handle handle = table.next;
  table.next += kHandleStep;
  table.objects.emplace(handle, std::move(object));
  return handle;
}

std::shared_ptr<KernelObject> FindHandle(Handle handle) {
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  auto it = table.objects.find(handle);
  return it == table.objects.end() ? nullptr : it->second;
}

bool RemoveHandle(Handle handle) {
  std::shared_ptr<KernelObject> last;  // destroyed after the lock is released
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  auto it = table.objects.find(handle);
  if (it == table.objects.end()) return false;
  last = std::move(it->second);
  table.objects.erase(it);
  return true;
}

}  // namespace sim::dll_host::win32
