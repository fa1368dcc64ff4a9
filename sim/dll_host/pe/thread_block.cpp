#include "sim/dll_host/pe/thread_block.h"

#include <asm/ldt.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

namespace sim::dll_host::pe {
namespace {

constexpr uint32_t kPageSize = 0x1000;
constexpr uint32_t kBlockBytes = 2 * kPageSize;  // the block, then the TLS array
constexpr uint32_t kTlsArrayOffset = kPageSize;
constexpr uint32_t kTlsArraySlots = kPageSize / 4;
constexpr int kLdtEntries = 8192;
// A selector naming an LDT entry (TI = 1) at privilege 3.
constexpr uint16_t kLdtSelectorBits = 0x7;
// The stack a thread is assumed to have when its own cannot be asked for.
constexpr uint32_t kAssumedStack = 1u << 20;

enum BlockOffset : uint32_t {
  kExceptionList = 0x00,
  kStackBase = 0x04,
  kStackLimit = 0x08,
  kSelf = 0x18,
  kProcessId = 0x20,
  kThreadId = 0x24,
  kTlsArray = 0x2C,
  kPeb = 0x30,
};

// Which LDT entries blocks hold; threads come and go concurrently.
std::mutex ldtLock;
bool ldtUsed[kLdtEntries] = {};

int TakeLdtEntry() {
  std::lock_guard hold(ldtLock);
  for (int i = 0; i < kLdtEntries; ++i) {
    if (!ldtUsed[i]) {
      ldtUsed[i] = true;
      return i;
    }
  }
  return -1;
}

void GiveBackLdtEntry(int entry) {
  std::lock_guard hold(ldtLock);
  ldtUsed[entry] = false;
}

bool WriteLdtEntry(int entry, uint32_t base, uint32_t limit) {
  user_desc descriptor{};
  descriptor.entry_number = static_cast<unsigned>(entry);
  descriptor.base_addr = base;
  descriptor.limit = limit;
  descriptor.seg_32bit = 1;
  descriptor.contents = 0;  // data, expanding up
  descriptor.read_exec_only = 0;
  descriptor.limit_in_pages = 0;
  descriptor.seg_not_present = base == 0 && limit == 0 ? 1 : 0;
  descriptor.useable = 1;
  return ::syscall(SYS_modify_ldt, 1, &descriptor, sizeof(descriptor)) == 0;
}

uint32_t LinearAddress(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

// The process environment block stand-in, shared by every thread.
uint32_t FakePeb() {
  static void* peb = ::mmap(nullptr, kPageSize, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return peb == MAP_FAILED ? 0 : LinearAddress(peb);
}

// The calling thread's stack as [limit, base).
void ThisThreadStack(uint32_t* base, uint32_t* limit) {
  pthread_attr_t attributes;
  void* bottom = nullptr;
  size_t size = 0;
  if (::pthread_getattr_np(::pthread_self(), &attributes) == 0) {
    ::pthread_attr_getstack(&attributes, &bottom, &size);
    ::pthread_attr_destroy(&attributes);
  }
  if (bottom != nullptr && size != 0) {
    *limit = LinearAddress(bottom);
    *base = LinearAddress(bottom) + static_cast<uint32_t>(size);
    return;
  }
  const uint32_t here = LinearAddress(__builtin_frame_address(0));
  *base = (here + kPageSize) & ~(kPageSize - 1);
  *limit = *base - kAssumedStack;
}

void LoadFs(uint16_t selector) { asm volatile("movw %w0, %%fs" : : "r"(selector) : "memory"); }

}  // namespace

std::unique_ptr<ThreadBlock> ThreadBlock::InstallOnThisThread(const TlsLayout& tls,
                                                              std::string* error) {
  std::unique_ptr<ThreadBlock> block(new ThreadBlock());
  void* memory = ::mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED || tls.index >= kTlsArraySlots) {
    *error = "no memory for a thread block";
    return nullptr;
  }
  block->memory_ = static_cast<uint8_t*>(memory);
  block->owner_ = static_cast<pid_t>(::gettid());

  block->tlsData_.assign(tls.initialData.begin(), tls.initialData.end());
  block->tlsData_.resize(tls.initialData.size() + tls.zeroFill, 0);
  if (block->tlsData_.empty()) block->tlsData_.resize(4, 0);  // a slot never points at nothing

  auto put = [&](uint32_t offset, uint32_t value) {
    std::memcpy(block->memory_ + offset, &value, sizeof(value));
  };
  uint32_t stackBase = 0, stackLimit = 0;
  ThisThreadStack(&stackBase, &stackLimit);
  const uint32_t self = LinearAddress(block->memory_);
  put(kExceptionList, 0xFFFFFFFF);
  put(kStackBase, stackBase);
  put(kStackLimit, stackLimit);
  put(kSelf, self);
  put(kProcessId, static_cast<uint32_t>(::getpid()));
  put(kThreadId, static_cast<uint32_t>(block->owner_));
  put(kTlsArray, self + kTlsArrayOffset);
  put(kPeb, FakePeb());
  put(kTlsArrayOffset + tls.index * 4, LinearAddress(block->tlsData_.data()));

  block->ldtEntry_ = TakeLdtEntry();
  if (block->ldtEntry_ < 0) {
    *error = "no free LDT entry for a thread block";
    return nullptr;
  }
  if (!WriteLdtEntry(block->ldtEntry_, self, kBlockBytes - 1)) {
    *error = "modify_ldt refused the thread block's segment (" +
             std::string(std::strerror(errno)) + ")";
    GiveBackLdtEntry(block->ldtEntry_);
    block->ldtEntry_ = -1;
    return nullptr;
  }
  block->selector_ = static_cast<uint16_t>((block->ldtEntry_ << 3) | kLdtSelectorBits);
  LoadFs(block->selector_);
  return block;
}

ThreadBlock::~ThreadBlock() {
  if (ldtEntry_ >= 0) {
    if (owner_ == static_cast<pid_t>(::gettid()) && CurrentFsSelector() == selector_) LoadFs(0);
    WriteLdtEntry(ldtEntry_, 0, 0);
    GiveBackLdtEntry(ldtEntry_);
  }
  if (memory_ != nullptr) ::munmap(memory_, kBlockBytes);
}

uint32_t ThreadBlock::Address() const { return LinearAddress(memory_); }

uint16_t CurrentFsSelector() {
  uint16_t selector = 0;
  asm volatile("movw %%fs, %w0" : "=r"(selector));
  return selector;
}

uint32_t ReadFsWord(uint32_t offset) {
  uint32_t value = 0;
  asm volatile("movl %%fs:(%1), %0" : "=r"(value) : "r"(offset) : "memory");
  return value;
}

}  // namespace sim::dll_host::pe
