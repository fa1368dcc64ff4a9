// The WININET functions of the Win32 layer (wininet_handles.cpp), as the
// DLL calls them (stdcall, 32-bit handles).
#pragma once

#include <cstdint>

#include "sim/dll_host/win32/kernel32_abi.h"

namespace sim::dll_host::win32 {

using Hinternet = uint32_t;

// WinINet's own error codes (GetLastError after a failed call).
constexpr Dword kErrorInternetIncorrectHandleType = 12018;
constexpr Dword kErrorInternetCannotConnect = 12029;
constexpr Dword kErrorInternetConnectionAborted = 12030;
constexpr Dword kErrorHttpHeaderNotFound = 12150;

// HttpQueryInfoA levels the DLL asks for.
constexpr Dword kHttpQueryContentLength = 5;
constexpr Dword kHttpQueryStatusCode = 19;
constexpr Dword kHttpQueryFlagNumber = 0x20000000;

Dword K32_API InternetAttemptConnect(Dword reserved);
Hinternet K32_API InternetOpenA(const char* agent, Dword accessType, const char* proxy,
                                const char* proxyBypass, Dword flags);
Hinternet K32_API InternetOpenUrlA(Hinternet session, const char* url, const char* headers,
                                   Dword headersLength, Dword flags, uint32_t context);
Bool K32_API HttpQueryInfoA(Hinternet request, Dword info, void* buffer, Dword* bufferLength,
                            Dword* index);
Bool K32_API InternetReadFile(Hinternet request, void* buffer, Dword toRead, Dword* read);
Bool K32_API InternetCloseHandle(Hinternet handle);

}  // namespace sim::dll_host::win32
