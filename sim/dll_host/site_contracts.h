// What the host has at each place it enters the library: the kind of call
// the patched site stood for, where its arguments and object are, and which
// stack words the library's code removes before control returns. The host
// checks the library against exactly this after every entry (host_step.h).
//
// Sites not listed are plain cdecl calls: all arguments on the stack, the
// caller removes them. Where the host's own code does not settle a site's
// convention, the entry says which one the library assumes.
#pragma once

#include <cstdint>

namespace sim::dll_host {

enum class SiteKind : uint8_t {
  Cdecl,         // arguments on the stack, the caller removes them
  Member,        // the first argument is the object (ECX), the callee removes the rest
  Stdcall,       // the callee removes every argument
  MemberFramed,  // a member call whose patched code first pushes [EBP + 8] (the caller's
                 // first argument), so the callee removes one word more than it was given
};

struct SiteContract {
  uint32_t site;       // the CALL (or the pointer slot) the host runs
  SiteKind kind;
  const char* what;    // for failure messages
  uint32_t start = 0;  // MemberFramed: where the patched sequence begins
  uint32_t exit = 0;   // MemberFramed: where the host's code continues afterwards
};

// The contract at a call site or pointer slot, or null for a plain cdecl one.
const SiteContract* ContractAt(uint32_t siteOrSlot);

}  // namespace sim::dll_host
