// msvcrt: setjmp round trip, the tm layout, formatting; and KERNEL32's
// modules, time, text, global memory and protection recording.
#include <ctime>
#include <cstring>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/dll_host/win32/kernel32_time.h"
#include "sim/dll_host/win32/msvcrt_exports.h"
#include "sim/dll_host/win32/tests/layer_test.h"
#include "sim/os/sim_os.h"

using namespace sim::dll_host::win32;

// Loads known values into the callee-saved registers, calls _setjmp3, wrecks
// them all, longjmps back with `value` and answers what _setjmp3 returned
// the second time, or -1 when a register came back wrong.
extern "C" int SetjmpRoundTrip(uint32_t* buffer, int value);
asm(R"(
    .text
    .globl SetjmpRoundTrip
SetjmpRoundTrip:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl $0x11111111, %ebx
    movl $0x22222222, %esi
    movl $0x33333333, %edi
    movl $0x44444444, %ebp
    pushl $0
    pushl 24(%esp)
    call CrtSetjmp3
    addl $8, %esp
    testl %eax, %eax
    jnz 2f
    xorl %ebx, %ebx
    xorl %esi, %esi
    xorl %edi, %edi
    xorl %ebp, %ebp
    pushl 24(%esp)
    pushl 24(%esp)
    call CrtLongjmp
2:
    cmpl $0x11111111, %ebx
    jne 3f
    cmpl $0x22222222, %esi
    jne 3f
    cmpl $0x33333333, %edi
    jne 3f
    cmpl $0x44444444, %ebp
    jne 3f
    jmp 4f
3:
    movl $-1, %eax
4:
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

TEST_CASE("_setjmp3/longjmp restore the callee-saved registers and the stack") {
  uint32_t buffer[16] = {};
  CHECK_EQ(SetjmpRoundTrip(buffer, 42), 42);
  CHECK_EQ(SetjmpRoundTrip(buffer, 0), 1);  // longjmp with 0 returns 1
  CHECK_EQ(buffer[0], 0x44444444u);  // Ebp
  CHECK_EQ(buffer[1], 0x11111111u);  // Ebx
  CHECK_EQ(buffer[2], 0x33333333u);  // Edi
  CHECK_EQ(buffer[3], 0x22222222u);  // Esi
  CHECK_EQ(buffer[7], 0xFFFFFFFFu);  // TryLevel
}

TEST_CASE("_localtime64/gmtime: msvcrt's nine-int tm, UTC, per thread") {
  struct Row {
    int64_t time;
    int32_t fields[9];  // sec min hour mday mon year wday yday isdst
  };
  const Row rows[] = {
      {0, {0, 0, 0, 1, 0, 70, 4, 0, 0}},
      {951782400, {0, 0, 0, 29, 1, 100, 2, 59, 0}},      // 2000-02-29
      {1700000000, {20, 13, 22, 14, 10, 123, 2, 317, 0}},  // 2023-11-14 22:13:20
      {4102444799, {59, 59, 23, 31, 11, 199, 4, 364, 0}},  // 2099-12-31
      {32535215999, {59, 59, 23, 31, 11, 1100, 3, 364, 0}},  // the last msvcrt time
  };
  for (const Row& row : rows) {
    const CrtTm* tm = CrtLocaltime64(&row.time);
    CHECK(tm != nullptr);
    if (tm == nullptr) continue;
    int32_t got[9];
    std::memcpy(got, tm, sizeof got);
    if (std::memcmp(got, row.fields, sizeof got) != 0) {
      layer_test::Failed(__FILE__, __LINE__, "tm of " + std::to_string(row.time) + " year " +
                                                 std::to_string(got[5]) + " yday " + std::to_string(got[7]));
    }
  }
  const int64_t tooLate = 32535216000, negative = -1;
  CHECK(CrtLocaltime64(&tooLate) == nullptr);
  CHECK(CrtLocaltime64(&negative) == nullptr);
  const int32_t small = 86400 * 365;
  const CrtTm* tm = CrtGmtime(&small);
  CHECK(tm != nullptr && tm->year == 71 && tm->day == 1 && tm->month == 0);
}

TEST_CASE("the calendar agrees with the C library over 32-bit times") {
  int mismatches = 0;
  for (int64_t t = -2147483648LL; t < 2147483647LL; t += 7776013) {
    const std::time_t time = static_cast<std::time_t>(t);
    std::tm expected{};
    gmtime_r(&time, &expected);
    const sim::CalendarParts got = UtcCalendar(t);
    if (got.year != expected.tm_year + 1900 || got.month != expected.tm_mon + 1 ||
        got.day != expected.tm_mday || got.hour != expected.tm_hour ||
        got.minute != expected.tm_min || got.second != expected.tm_sec ||
        got.weekday != expected.tm_wday || got.yearDay != expected.tm_yday) {
      ++mismatches;
    }
  }
  CHECK_EQ(mismatches, 0);
}

std::string Format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::string text = CrtFormat(format, arguments);
  va_end(arguments);
  return text;
}

TEST_CASE("printf formatting follows msvcrt") {
  struct Row {
    std::string got;
    const char* expected;
  };
  const Row rows[] = {
      {Format("%I64d", -5000000000LL), "-5000000000"},
      {Format("%I64u|%I64X", 18446744073709551615ULL, 0xABCDEF0123ULL), "18446744073709551615|ABCDEF0123"},
      {Format("%lld %d", 1LL << 40, 7), "1099511627776 7"},
      {Format("%I32d %Id", -3, 4), "-3 4"},
      {Format("%e", 1.5), "1.500000e+000"},
      {Format("%10.2e|", 12345.0), " 1.23e+004|"},
      {Format("%-12.1E|", -0.5), "-5.0E-001   |"},
      {Format("%g %g", 1e-10, 100.0), "1e-010 100"},
      {Format("%012.3e", -2.0), "-02.000e+000"},
      {Format("%Lf", 2.5), "2.500000"},
      {Format("%08.3f", -1.5), "-001.500"},
      {Format("%p", reinterpret_cast<void*>(0x1234)), "00001234"},
      {Format("[%5s|%-3d|%c|%%|%*d]", "ab", 7, 'z', 4, 9), "[   ab|7  |z|%|   9]"},
      {Format("%s", static_cast<const char*>(nullptr)), "(null)"},
      {Format("%hd %hhu %x", 70000, 300, 255u), "4464 44 ff"},
  };
  for (const Row& row : rows) CHECK_EQ(row.got, std::string(row.expected));
}

TEST_CASE("msvcrt strings, conversions, locale") {
  char buffer[40];
  CHECK_EQ(std::string(CrtUltoa(0xFFFFFFFFu, buffer, 16)), std::string("ffffffff"));
  CHECK_EQ(std::string(CrtUltoa(0, buffer, 10)), std::string("0"));
  CHECK_EQ(std::string(CrtUltoa(5, buffer, 2)), std::string("101"));
  const char16_t wide[] = u"wide";
  CHECK_EQ(CrtWcslen(wide), 4u);
  CHECK_EQ(CrtTolower('Q'), 'q');
  CHECK_EQ(CrtTolower(0xC9), 0xC9);
  CHECK(CrtAtof("2.5e1") == 25.0);
  CHECK(CrtAtof("0x10") == 0.0);
  CHECK(CrtAtof(" inf") == 0.0);
  CHECK_EQ(std::string(CrtSetlocale(0, nullptr)), std::string("C"));
  CHECK_EQ(std::string(CrtSetlocale(0, "")), std::string("C"));
  CHECK(CrtSetlocale(0, "German") == nullptr);
  CHECK_EQ(std::string(*static_cast<const char* const*>(CrtLocaleconv())), std::string("."));
  CHECK_EQ(crtMbCurMax, 1);
  char* copy = CrtStrdup("copy");
  CHECK_EQ(std::string(copy), std::string("copy"));
  CrtFree(copy);
}

int calls = 0;
void CountCall() { ++calls; }

TEST_CASE("_initterm calls every non-null entry; stdio goes through _iob") {
  CrtInitializer table[] = {&CountCall, nullptr, &CountCall};
  CrtInitTerm(table, table + 3);
  CHECK_EQ(calls, 2);
  CHECK(CrtFerror(&crtIob[2][0]) == 0);
  CHECK_EQ(CrtFflush(&crtIob[1][0]), 0);

  const std::string path = "/tmp/win32_layer_stdio_test.txt";
  void* out = CrtFopen("\\tmp\\win32_layer_stdio_test.txt", "wb");
  CHECK(out != nullptr);
  CHECK_EQ(CrtFprintf(out, "n=%I64d;", 12LL), 5);
  CHECK_EQ(CrtFputc('!', out), '!');
  CHECK_EQ(CrtFwrite("ab", 1, 2, out), 2u);
  CHECK_EQ(CrtFclose(out), 0);
  void* in = CrtFopen(path.c_str(), "rb");
  char text[16] = {};
  CHECK_EQ(CrtFread(text, 1, sizeof text, in), 8u);
  CHECK_EQ(std::string(text), std::string("n=12;!ab"));
  CrtFclose(in);
  CHECK_EQ(CrtRemove(path.c_str()), 0);
  CHECK(CrtFopen(path.c_str(), "rb") == nullptr);
  CHECK_EQ(*CrtErrno(), 2);  // ENOENT
}

TEST_CASE("modules: host, DLL, system DLLs with their tables, absent DLLs") {
  CHECK_EQ(GetModuleHandleA(nullptr), 0x400000u);
  CHECK_EQ(GetModuleHandleA("quorlan.dll"), 0x61E80000u);
  CHECK_EQ(GetModuleHandleA("libgcc_s_dw2-1.dll"), 0u);
  CHECK_EQ(GetLastError(), kErrorModNotFound);
  const Handle kernel32 = GetModuleHandleA("KERNEL32.DLL");
  CHECK(kernel32 != 0);
  CHECK(GetProcAddress(kernel32, "Sleep") == reinterpret_cast<const void*>(&Sleep));
  CHECK(GetProcAddress(kernel32, "GetSystemTimePreciseAsFileTime") == nullptr);
  CHECK_EQ(GetLastError(), kErrorProcNotFound);
  const Handle msvcrt = GetModuleHandleW(u"msvcrt.dll");
  CHECK(msvcrt != 0 && msvcrt != kernel32);
  CHECK(GetProcAddress(msvcrt, "_localtime64_s") == nullptr);
  CHECK(GetProcAddress(0, "rand_s") == nullptr);
  CHECK_EQ(LoadLibraryW(u"advapi32.dll"), 0u);
  CHECK_EQ(LoadLibraryA("kernel32"), kernel32);
  CHECK(FreeLibrary(kernel32));
}

TEST_CASE("time from the virtual clock; code pages; global blocks; protection recorded") {
  sim::Os& os = sim::dll_host::MachineOs();
  os.SetCalendar(1700000000);
  FileTime now{};
  GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = (uint64_t{now.high} << 32) | now.low;
  CHECK_EQ(ticks, (1700000000ULL + 11644473600ULL) * 10000000ULL);
  SystemTime parts{};
  CHECK(FileTimeToSystemTime(&now, &parts));
  CHECK(parts.year == 2023 && parts.month == 11 && parts.day == 14 && parts.dayOfWeek == 2 &&
        parts.hour == 22 && parts.minute == 13 && parts.second == 20);
  os.AdvanceClock(1500);
  CHECK_EQ(GetTickCount64(), os.ClockNow());
  int64_t counter = 0, frequency = 0;
  CHECK(QueryPerformanceFrequency(&frequency) && QueryPerformanceCounter(&counter));
  CHECK_EQ(counter, int64_t{1500} * 1000);
  os.SetPerformanceCounterAvailable(false);
  CHECK(!QueryPerformanceCounter(&counter));
  os.SetPerformanceCounterAvailable(true);

  CHECK_EQ(MultiByteToWideChar(0, 0, "a\xE9", -1, nullptr, 0), 3);
  char16_t wide[3] = {};
  CHECK_EQ(MultiByteToWideChar(0, 0, "a\xE9", -1, wide, 3), 3);
  CHECK(wide[1] == 0xE9 && wide[2] == 0);
  CHECK_EQ(MultiByteToWideChar(0, 0, "abc", 3, wide, 2), 0);
  CHECK_EQ(GetLastError(), kErrorInsufficientBuffer);
  const char16_t smile[] = {u'x', 0x263A, 0};
  char narrow[3] = {};
  Bool usedDefault = kFalse;
  CHECK_EQ(WideCharToMultiByte(0, 0, smile, -1, narrow, 3, nullptr, &usedDefault), 3);
  CHECK(usedDefault && std::string(narrow) == "x?");

  const Handle block = GlobalAlloc(0x2, 6);
  void* first = GlobalLock(block);
  CHECK(first != nullptr && first != reinterpret_cast<void*>(uintptr_t{block}));
  CHECK(GlobalLock(block) == first);
  CHECK_EQ(GlobalSize(block), 6u);
  CHECK(GlobalUnlock(block));  // still locked once
  SetLastError(9);
  CHECK(!GlobalUnlock(block));
  CHECK_EQ(GetLastError(), 0u);
  CHECK_EQ(GlobalFree(block), 0u);
  CHECK_EQ(GlobalSize(block), 0u);

  os.ClearProtectCalls();
  Dword old = 0;
  CHECK(VirtualProtect(reinterpret_cast<void*>(0x401000), 5, 0x40, &old));
  CHECK_EQ(old, 0x20u);
  os.SetProtectFailure([](uint32_t address) { return address == 0x402000; });
  CHECK(!VirtualProtect(reinterpret_cast<void*>(0x402000), 5, 0x40, &old));
  os.SetProtectFailure(nullptr);
  CHECK_EQ(os.ProtectCalls().size(), 2u);
  MemoryBasicInformation info{};
  CHECK_EQ(VirtualQuery(&info, &info, sizeof info), sizeof info);
  CHECK(info.state == 0x1000 && info.protect == 0x40 &&
        info.baseAddress == (reinterpret_cast<uintptr_t>(&info) & ~0xFFFu) && info.regionSize >= 0x1000);
}

}  // namespace
