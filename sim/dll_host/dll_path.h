// Which quorlan.dll quorlan-host32 loads (its --dll option; by default
// build/win32/quorlan.dll below the current folder).
#pragma once

#include <string>

namespace sim::dll_host {

const std::string& DllPath();
void SetDllPath(std::string path);

}  // namespace sim::dll_host
