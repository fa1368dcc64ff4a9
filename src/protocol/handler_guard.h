// Failures of a server-message handler never reach the host: whatever a
// handler throws while it parses or updates its windows ends the handler,
// and the pump goes on with the next opcode. Most handlers end silently;
// the forge handlers leave a line for an attached debugger.
//
//   void ParseExaltationHistory() {
//     protocol::RunReportingFailure("ParseExaltationHistory", [] { ... });
//   }
#pragma once

#include <string_view>

namespace protocol {

// Writes "ERROR: " + name with the platform's debugger output.
void ReportHandlerFailure(std::string_view name) noexcept;

// Runs `body`; an exception ends it silently.
template <typename Body>
void RunQuietly(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

// Runs `body`; an exception ends it and is reported under `name`.
template <typename Body>
void RunReportingFailure(std::string_view name, Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    ReportHandlerFailure(name);
  }
}

}  // namespace protocol
