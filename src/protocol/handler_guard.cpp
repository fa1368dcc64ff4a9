#include "protocol/handler_guard.h"

#include <string>

#include "platform/platform.h"

namespace protocol {

void ReportHandlerFailure(std::string_view name) noexcept {
  // Building the line may itself fail (no memory): then there is nothing
  // left to report with.
  RunQuietly([name] { platform::Get().DebugOutput("ERROR: " + std::string(name)); });
}

}  // namespace protocol
