// The check every fuzz target makes of what it promises: a rule that does
// not hold ends the run as a finding, named after the target's program.
#pragma once

#include <errno.h>  // program_invocation_short_name

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
  std::abort();
}

}  // namespace fuzz
