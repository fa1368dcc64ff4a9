// Plays one scenario file in this process against a fresh simulator.
// (quorlan-sim run gives each file a process of its own, since the core's
// state is process-wide; see sim/run_command.cpp.)
#pragma once

#include <iosfwd>
#include <string>

#include "sim/scenario/context.h"

namespace sim::scenario {

enum class Outcome {
  Passed = 0,     // every expectation held
  Failed = 1,     // an expectation failed, or the simulated host broke down
  Unreadable = 2, // the file could not be read or a line was not understood
};

struct FileResult {
  int passed = 0;
  int failed = 0;
  Outcome outcome = Outcome::Passed;
};

// Parses the whole text first (a line not understood runs nothing), then
// runs it line by line. Failures and errors are reported to `out` as
// "FILE:LINE: ...".
// Plays `text` on a context that may have played other texts before: the
// commands see its simulator as those left it (a benchmark sets up its
// screen this way). Counts are the context's totals.
FileResult PlayScenarioText(Context& context, const std::string& file, const std::string& text,
                            std::ostream& out);
FileResult RunScenarioText(const std::string& file, const std::string& text,
                           const RunOptions& options, std::ostream& out);
FileResult RunScenarioFile(const std::string& file, const RunOptions& options, std::ostream& out);

}  // namespace sim::scenario
