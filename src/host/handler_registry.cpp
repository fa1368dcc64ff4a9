#include "host/handler_registry.h"

#include <type_traits>
#include <utility>

#include "host/entry_guard.h"
#include "host/handlers.h"
#include "host/host_memory.h"

namespace host {
namespace {

// ---- turning 32-bit host values into typed arguments and back ---------------

template <typename T>
T FromHost(uint32_t value) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<T>(static_cast<uintptr_t>(value));
  } else {
    return static_cast<T>(value);
  }
}

template <typename T>
uint32_t ToHost(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return host::AddressOf(value);
  } else if constexpr (std::is_same_v<T, bool>) {
    return value ? 1u : 0u;
  } else if constexpr (std::is_signed_v<T> && sizeof(T) < 4) {
    // The host reads a narrow result from AL/AX; the bits above are noise.
    return static_cast<uint32_t>(static_cast<std::make_unsigned_t<T>>(value));
  } else {
    return static_cast<uint32_t>(value);
  }
}

template <typename Signature>
struct Traits;

template <typename R, typename... A>
struct Traits<R (*)(A...)> {
  static constexpr int kArity = sizeof...(A);
  template <auto F, size_t... I>
  static uint32_t Call(const uint32_t* args, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
      F(FromHost<A>(args[I])...);
      return 0;
    } else {
      return ToHost<R>(F(FromHost<A>(args[I])...));
    }
  }
  template <auto F>
  static uint32_t Invoke(const uint32_t* args) {
    return Call<F>(args, std::index_sequence_for<A...>{});
  }
};

// A variadic handler (the formatted print) receives one 32-bit value after
// its fixed arguments: that is all the host passes at the patched call site.
template <typename R, typename... A>
struct Traits<R (*)(A..., ...)> {
  static constexpr int kArity = sizeof...(A) + 1;
  template <auto F, size_t... I>
  static uint32_t Call(const uint32_t* args, std::index_sequence<I...>) {
    return ToHost<R>(F(FromHost<A>(args[I])..., args[sizeof...(A)]));
  }
  template <auto F>
  static uint32_t Invoke(const uint32_t* args) {
    return Call<F>(args, std::index_sequence_for<A...>{});
  }
};

template <auto F>
uint32_t InvokeFromHost(const uint32_t* args) {
  return Traits<decltype(F)>::template Invoke<F>(args);
}

uint32_t ContinuationOf(Handler id) {
  switch (id) {
    case Handler::DoubleFirstArgument: return 0x571A12;
    case Handler::DataRewind: return 0x4AB720;
    case Handler::ForwardToHost507000: return 0x507000;
    case Handler::ResetGroupIndex: return 0x4B5E90;
    default: return 0;
  }
}

// The host reaches every handler through its guard (entry_guard.h), in the
// simulator (the invoker) and in the DLL (the function address) alike.
#define QUORLAN_GUARDED(name) &GuardedEntry<Handler::name, &::name>::Call

const HandlerInfo* Table() {
  static const HandlerInfo table[] = {
#define QUORLAN_INFO(name)                                                     \
  HandlerInfo{Handler::name,                                                   \
              #name,                                                           \
              reinterpret_cast<void (*)()>(QUORLAN_GUARDED(name)),             \
              &InvokeFromHost<QUORLAN_GUARDED(name)>,                          \
              Traits<decltype(&::name)>::kArity,                               \
              ContinuationOf(Handler::name)},
      QUORLAN_HANDLERS(QUORLAN_INFO)
#undef QUORLAN_INFO
#undef QUORLAN_GUARDED
  };
  static_assert(sizeof(table) / sizeof(table[0]) == kHandlerCount);
  return table;
}

}  // namespace

const HandlerInfo& Info(Handler id) { return Table()[static_cast<int>(id)]; }

std::optional<Handler> HandlerByName(const std::string& name) {
  for (int i = 0; i < kHandlerCount; ++i) {
    if (name == Table()[i].name) return static_cast<Handler>(i);
  }
  return std::nullopt;
}

}  // namespace host
