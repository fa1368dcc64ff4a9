// The global-memory blocks the clipboard hands to and takes from the DLL
// (GetClipboardData / SetClipboardData), seen from USER32.
//
// USER32 does not share KERNEL32's block table: both functions go through
// the KERNEL32 imports the DLL itself calls (GlobalAlloc, GlobalLock,
// GlobalSize, GlobalUnlock, GlobalFree, found with FindImport), so a block
// the DLL allocated and one USER32 allocated are the same kind of handle
// whatever KERNEL32 makes its handles of.
#pragma once

#include <cstdint>
#include <string>

namespace sim::dll_host::win32 {

// A new moveable block holding `text` and its terminating NUL; 0 when
// KERNEL32 refuses the allocation. The caller owns it (GlobalMemoryFree).
uint32_t GlobalMemoryFromText(const std::string& text);

// The text in `handle` up to its first NUL, never past the block's size;
// false when the handle names no block.
bool GlobalMemoryText(uint32_t handle, std::string* text);

// Frees a block GlobalMemoryFromText made (or one the DLL handed over).
void GlobalMemoryFree(uint32_t handle);

}  // namespace sim::dll_host::win32
