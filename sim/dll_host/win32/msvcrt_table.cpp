// msvcrt's exports as the loader binds them: functions, and two data
// entries whose address is the data (_iob, __mb_cur_max).
#include "sim/dll_host/win32/import_table.h"
#include "sim/dll_host/win32/msvcrt_exports.h"

namespace sim::dll_host {

std::span<const ImportSymbol> MsvcrtSymbols() {
  using namespace win32;
  static const ImportSymbol kSymbols[] = {
      {"__mb_cur_max", &crtMbCurMax},
      {"__setusermatherr", reinterpret_cast<const void*>(&CrtSetUserMathErr)},
      {"_amsg_exit", reinterpret_cast<const void*>(&CrtAmsgExit)},
      {"_beginthreadex", reinterpret_cast<const void*>(&CrtBeginThreadEx)},
      {"_close", reinterpret_cast<const void*>(&CrtClose)},
      {"_endthreadex", reinterpret_cast<const void*>(&CrtEndThreadEx)},
      {"_errno", reinterpret_cast<const void*>(&CrtErrno)},
      {"_initterm", reinterpret_cast<const void*>(&CrtInitTerm)},
      {"_iob", &crtIob[0][0]},
      {"_localtime64", reinterpret_cast<const void*>(&CrtLocaltime64)},
      {"_lock", reinterpret_cast<const void*>(&CrtLock)},
      {"_read", reinterpret_cast<const void*>(&CrtRead)},
      {"_setjmp3", reinterpret_cast<const void*>(&CrtSetjmp3)},
      {"_strdup", reinterpret_cast<const void*>(&CrtStrdup)},
      {"_ultoa", reinterpret_cast<const void*>(&CrtUltoa)},
      {"_unlock", reinterpret_cast<const void*>(&CrtUnlock)},
      {"abort", reinterpret_cast<const void*>(&CrtAbort)},
      {"atof", reinterpret_cast<const void*>(&CrtAtof)},
      {"atoi", reinterpret_cast<const void*>(&CrtAtoi)},
      {"calloc", reinterpret_cast<const void*>(&CrtCalloc)},
      {"exit", reinterpret_cast<const void*>(&CrtExit)},
      {"fclose", reinterpret_cast<const void*>(&CrtFclose)},
      {"ferror", reinterpret_cast<const void*>(&CrtFerror)},
      {"fflush", reinterpret_cast<const void*>(&CrtFflush)},
      {"fopen", reinterpret_cast<const void*>(&CrtFopen)},
      {"fprintf", reinterpret_cast<const void*>(&CrtFprintf)},
      {"fputc", reinterpret_cast<const void*>(&CrtFputc)},
      {"fputs", reinterpret_cast<const void*>(&CrtFputs)},
      {"fread", reinterpret_cast<const void*>(&CrtFread)},
      {"free", reinterpret_cast<const void*>(&CrtFree)},
      {"fwrite", reinterpret_cast<const void*>(&CrtFwrite)},
      {"gmtime", reinterpret_cast<const void*>(&CrtGmtime)},
      {"localeconv", reinterpret_cast<const void*>(&CrtLocaleconv)},
      {"longjmp", reinterpret_cast<const void*>(&CrtLongjmp)},
      {"malloc", reinterpret_cast<const void*>(&CrtMalloc)},
      {"memchr", reinterpret_cast<const void*>(&CrtMemchr)},
      {"memcmp", reinterpret_cast<const void*>(&CrtMemcmp)},
      {"memcpy", reinterpret_cast<const void*>(&CrtMemcpy)},
      {"memmove", reinterpret_cast<const void*>(&CrtMemmove)},
      {"memset", reinterpret_cast<const void*>(&CrtMemset)},
      {"printf", reinterpret_cast<const void*>(&CrtPrintf)},
      {"realloc", reinterpret_cast<const void*>(&CrtRealloc)},
      {"remove", reinterpret_cast<const void*>(&CrtRemove)},
      {"setlocale", reinterpret_cast<const void*>(&CrtSetlocale)},
      {"strchr", reinterpret_cast<const void*>(&CrtStrchr)},
      {"strcmp", reinterpret_cast<const void*>(&CrtStrcmp)},
      {"strerror", reinterpret_cast<const void*>(&CrtStrerror)},
      {"strlen", reinterpret_cast<const void*>(&CrtStrlen)},
      {"strncmp", reinterpret_cast<const void*>(&CrtStrncmp)},
      {"tolower", reinterpret_cast<const void*>(&CrtTolower)},
      {"vfprintf", reinterpret_cast<const void*>(&CrtVfprintf)},
      {"wcslen", reinterpret_cast<const void*>(&CrtWcslen)},
  };
  return kSymbols;
}

}  // namespace sim::dll_host
