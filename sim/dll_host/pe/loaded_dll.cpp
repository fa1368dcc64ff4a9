#include "sim/dll_host/pe/loaded_dll.h"

#include <atomic>

#include "sim/dll_host/pe/dll_call.h"
#include "sim/dll_host/pe/pe_image.h"
#include "sim/dll_host/pe/pe_imports.h"
#include "sim/dll_host/pe/pe_mapping.h"
#include "sim/dll_host/pe/thread_block.h"
#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/dll_identity.h"

namespace sim::dll_host {
namespace {

std::atomic<LoadedDll*> current{nullptr};

// The calling thread's block, from its first DLL code until it leaves.
thread_local std::unique_ptr<pe::ThreadBlock> threadBlock;

}  // namespace

std::unique_ptr<LoadedDll> LoadedDll::Load(const std::string& path, std::string* error) {
  std::vector<uint8_t> file;
  if (!pe::ReadWholeFile(path, &file, error)) return nullptr;
  pe::PeImage image;
  if (!pe::ParsePeImage(file, path, &image, error)) return nullptr;
  pe::ImageView view(nullptr, 0);
  if (!pe::MapImage(file, image, path, &view, error)) return nullptr;

  std::unique_ptr<LoadedDll> dll(new LoadedDll());
  if (!pe::Relocate(view, image, path, error) ||
      !pe::BindImports(view, image, path, &dll->trapped_, error) ||
      !pe::ReadTls(view, image, path, &dll->tls_, error)) {
    pe::UnmapImage(view);
    return nullptr;
  }
  dll->path_ = path;
  dll->base_ = view.Base();
  dll->size_ = view.Size();
  dll->relocated_ = view.Base() != image.optional.imageBase;
  dll->entryPoint_ =
      image.optional.addressOfEntryPoint != 0 ? view.Base() + image.optional.addressOfEntryPoint : 0;

  if (threadBlock == nullptr) {
    std::string why;
    threadBlock = pe::ThreadBlock::InstallOnThisThread(dll->tls_, &why);
    if (threadBlock == nullptr) {
      *error = path + ": " + why;
      pe::UnmapImage(view);
      return nullptr;
    }
  }
  current = dll.get();
  return dll;
}

LoadedDll::~LoadedDll() {
  LoadedDll* self = this;
  current.compare_exchange_strong(self, nullptr);
}

void LoadedDll::Notify(uint32_t reason) {
  pe::RunTlsCallbacks(tls_, base_, reason);
  if (entryPoint_ != 0) pe::CallStdcall3(entryPoint_, base_, reason, 0);
}

uint32_t LoadedDll::Attach() {
  pe::RunTlsCallbacks(tls_, base_, pe::kProcessAttach);
  if (entryPoint_ == 0) return 1;
  return pe::CallStdcall3(entryPoint_, base_, pe::kProcessAttach, 0);
}

void LoadedDll::EnterThread() {
  if (threadBlock != nullptr) return;
  std::string why;
  threadBlock = pe::ThreadBlock::InstallOnThisThread(tls_, &why);
  if (threadBlock == nullptr) FailScenario("cannot run " + path_ + " on a new thread: " + why);
  Notify(pe::kThreadAttach);
}

void LoadedDll::LeaveThread() {
  if (threadBlock == nullptr) return;
  Notify(pe::kThreadDetach);
  threadBlock.reset();
}

LoadedDll* CurrentDll() { return current; }

uint32_t LoadedDllBase() {
  LoadedDll* dll = CurrentDll();
  return dll != nullptr ? dll->Base() : 0;
}

void EnterLibraryThread() {
  LoadedDll* dll = CurrentDll();
  if (dll == nullptr) FailScenario("a library thread started with no DLL loaded");
  dll->EnterThread();
}

void LeaveLibraryThread() {
  if (LoadedDll* dll = CurrentDll()) dll->LeaveThread();
}

}  // namespace sim::dll_host
