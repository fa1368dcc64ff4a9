// Files, folders, renames, temporary names and mappings, on a fresh folder
// under /tmp written with Windows separators.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/dll_host/win32/tests/layer_test.h"
#include "sim/dll_host/session.h"
#include "sim/os/sim_os.h"

using namespace sim::dll_host::win32;

namespace {

constexpr Dword kRead = 0x80000000, kWrite = 0x40000000;
constexpr Dword kCreateNew = 1, kCreateAlways = 2, kOpenExisting = 3, kOpenAlways = 4,
                kTruncateExisting = 5;

std::string Folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/win32_layer_test_XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  return folder;
}

// The folder as the DLL writes it: backslashes.
std::string Windows(const std::string& name) {
  std::string path = Folder() + "/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

void Put(const std::string& name, const std::string& content) {
  std::ofstream(Folder() + "/" + name, std::ios::binary) << content;
}

std::string Get(const std::string& name) {
  std::ifstream in(Folder() + "/" + name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

TEST_CASE("CreateFileA: every disposition, on a file that exists and one that does not") {
  struct Row {
    Dword disposition;
    bool exists;
    bool opens;
    Dword error;
    const char* contentAfter;  // null: the file does not exist afterwards
  };
  const Row rows[] = {
      {kCreateNew, false, true, kErrorSuccess, ""},
      {kCreateNew, true, false, kErrorFileExists, "old"},
      {kCreateAlways, false, true, kErrorSuccess, ""},
      {kCreateAlways, true, true, kErrorAlreadyExists, ""},
      {kOpenExisting, false, false, kErrorFileNotFound, nullptr},
      {kOpenExisting, true, true, kErrorSuccess, "old"},
      {kOpenAlways, false, true, kErrorSuccess, ""},
      {kOpenAlways, true, true, kErrorAlreadyExists, "old"},
      {kTruncateExisting, false, false, kErrorFileNotFound, nullptr},
      {kTruncateExisting, true, true, kErrorSuccess, ""},
  };
  int n = 0;
  for (const Row& row : rows) {
    const std::string name = "disposition" + std::to_string(n++);
    if (row.exists) Put(name, "old");
    SetLastError(1234);
    const Handle file = CreateFileA(Windows(name).c_str(), kRead | kWrite, 0, nullptr,
                                    row.disposition, 0x80, 0);
    const Dword error = GetLastError();
    const std::string what = name + " disposition " + std::to_string(row.disposition);
    if ((file != kInvalidHandle) != row.opens) layer_test::Failed(__FILE__, __LINE__, what + " opened wrongly");
    if (error != row.error) {
      layer_test::Failed(__FILE__, __LINE__, what + " error " + std::to_string(error));
    }
    if (file != kInvalidHandle) CloseHandle(file);
    const bool existsAfter = Exists(Folder() + "/" + name);
    if (existsAfter != (row.contentAfter != nullptr) ||
        (existsAfter && Get(name) != row.contentAfter)) {
      layer_test::Failed(__FILE__, __LINE__, what + " left \"" + Get(name) + "\"");
    }
  }
  SetLastError(0);
  CHECK_EQ(CreateFileA(Windows("missing\\file").c_str(), kRead, 0, nullptr, kOpenExisting, 0, 0),
           kInvalidHandle);
  CHECK_EQ(GetLastError(), kErrorPathNotFound);
  CHECK_EQ(CreateFileA(Windows("missing\\file").c_str(), kWrite, 0, nullptr, kCreateAlways, 0, 0),
           kInvalidHandle);
  CHECK_EQ(GetLastError(), kErrorPathNotFound);
  CHECK_EQ(CreateFileA(Folder().c_str(), kRead, 0, nullptr, kOpenExisting, 0, 0), kInvalidHandle);
  CHECK_EQ(GetLastError(), kErrorAccessDenied);
  CHECK_EQ(CreateFileA(Windows("x").c_str(), kRead, 0, nullptr, kTruncateExisting, 0, 0),
           kInvalidHandle);
  CHECK_EQ(GetLastError(), kErrorInvalidParameter);
}

TEST_CASE("ReadFile, WriteFile, sizes and attributes") {
  const Handle out = CreateFileA(Windows("data").c_str(), kWrite, 0, nullptr, kCreateAlways, 0, 0);
  Dword written = 0;
  CHECK(WriteFile(out, "hello world", 11, &written, nullptr));
  CHECK_EQ(written, 11u);
  CHECK(FlushFileBuffers(out));
  char buffer[32];
  Dword read = 5;
  CHECK(!ReadFile(out, buffer, sizeof buffer, &read, nullptr));  // opened for writing only
  CHECK_EQ(GetLastError(), kErrorAccessDenied);
  CloseHandle(out);

  const Handle in = CreateFileA(Windows("data").c_str(), kRead, 1, nullptr, kOpenExisting, 0, 0);
  int64_t size = 0;
  CHECK(GetFileSizeEx(in, &size));
  CHECK_EQ(size, 11);
  CHECK(ReadFile(in, buffer, 5, &read, nullptr));
  CHECK_EQ(read, 5u);
  CHECK(std::memcmp(buffer, "hello", 5) == 0);
  CHECK(ReadFile(in, buffer, sizeof buffer, &read, nullptr));
  CHECK_EQ(read, 6u);
  CHECK(ReadFile(in, buffer, sizeof buffer, &read, nullptr));  // the end: TRUE with 0
  CHECK_EQ(read, 0u);
  CHECK(!WriteFile(in, "x", 1, &written, nullptr));
  CloseHandle(in);

  FileAttributeData data{};
  CHECK(GetFileAttributesExA(Windows("data").c_str(), 0, &data));
  CHECK_EQ(data.attributes, 0x80u);
  CHECK_EQ(data.sizeLow, 11u);
  CHECK(GetFileAttributesExA(Folder().c_str(), 0, &data));
  CHECK_EQ(data.attributes, 0x10u);
  CHECK_EQ(data.sizeLow, 0u);
  CHECK(!GetFileAttributesExA(Windows("nothing").c_str(), 0, &data));
  CHECK_EQ(GetLastError(), kErrorFileNotFound);
}

TEST_CASE("folders, deletion and MoveFileExA with and without replacement") {
  CHECK(CreateDirectoryA(Windows("sub").c_str(), nullptr));
  CHECK(!CreateDirectoryA(Windows("sub").c_str(), nullptr));
  CHECK_EQ(GetLastError(), kErrorAlreadyExists);
  CHECK(!CreateDirectoryA(Windows("none\\sub").c_str(), nullptr));
  CHECK_EQ(GetLastError(), kErrorPathNotFound);

  Put("from", "new");
  Put("to", "old");
  CHECK(!MoveFileExA(Windows("from").c_str(), Windows("to").c_str(), 0));
  CHECK_EQ(GetLastError(), kErrorAlreadyExists);
  CHECK_EQ(Get("to"), std::string("old"));
  CHECK(MoveFileExA(Windows("from").c_str(), Windows("to").c_str(), 1 | 8));
  CHECK_EQ(Get("to"), std::string("new"));
  CHECK(!Exists(Folder() + "/from"));
  CHECK(!MoveFileExA(Windows("from").c_str(), Windows("to").c_str(), 1));
  CHECK_EQ(GetLastError(), kErrorFileNotFound);

  CHECK(DeleteFileA(Windows("to").c_str()));
  CHECK(!DeleteFileA(Windows("to").c_str()));
  CHECK_EQ(GetLastError(), kErrorFileNotFound);
  CHECK(!DeleteFileA(Windows("sub").c_str()));
  CHECK_EQ(GetLastError(), kErrorAccessDenied);
}

TEST_CASE("GetTempFileNameA creates distinct files named <prefix>XXXX.tmp") {
  std::set<std::string> names;
  for (int i = 0; i < 3; ++i) {
    char name[260];
    const uint32_t number = GetTempFileNameA(Windows("").c_str(), "qrlx", 0, name);
    CHECK(number != 0);
    const std::string text = name;
    const std::string expectedStart = Windows("qrl");
    CHECK(text.rfind(expectedStart, 0) == 0);
    CHECK(text.size() == expectedStart.size() + 8 && text.substr(text.size() - 4) == ".tmp");
    std::string posix = text;
    for (char& c : posix) c = c == '\\' ? '/' : c;
    CHECK(Exists(posix));
    names.insert(text);
  }
  CHECK_EQ(names.size(), 3u);
  char name[260];
  CHECK_EQ(GetTempFileNameA(Windows("absent").c_str(), "q", 0, name), 0u);
}

TEST_CASE("file mappings: whole-file read views; an empty file is refused") {
  Put("empty", "");
  Put("mapped", "mapped bytes");
  const Handle empty = CreateFileA(Windows("empty").c_str(), kRead, 1, nullptr, kOpenExisting, 0, 0);
  CHECK_EQ(CreateFileMappingA(empty, nullptr, 2, 0, 0, nullptr), 0u);
  CHECK_EQ(GetLastError(), kErrorFileInvalid);
  CloseHandle(empty);

  const Handle file = CreateFileA(Windows("mapped").c_str(), kRead, 1, nullptr, kOpenExisting, 0, 0);
  const Handle mapping = CreateFileMappingA(file, nullptr, 2, 0, 0, nullptr);
  CHECK(mapping != 0);
  CloseHandle(file);  // the mapping keeps the file
  const void* view = MapViewOfFile(mapping, 4, 0, 0, 0);
  CloseHandle(mapping);  // the view keeps the mapping
  CHECK(view != nullptr);
  CHECK(view != nullptr && std::memcmp(view, "mapped bytes", 12) == 0);
  CHECK(UnmapViewOfFile(view));
  CHECK(!UnmapViewOfFile(view));
}

}  // namespace

TEST_CASE("WriteFile under the disk's faults: the bytes that got through, then the failure") {
  sim::FileFaults& faults = sim::dll_host::MachineOs().fileFaults;
  const Handle out = CreateFileA(Windows("faulty").c_str(), kWrite, 0, nullptr, kCreateAlways, 0, 0);
  Dword written = 0;
  faults.ArmWriteHalfway("");
  CHECK(!WriteFile(out, "0123456789", 10, &written, nullptr));
  CHECK_EQ(written, 5u);
  CHECK_EQ(GetLastError(), kErrorWriteFault);
  faults.ArmDiskFull(3);
  CHECK(!WriteFile(out, "abcdef", 6, &written, nullptr));
  CHECK_EQ(written, 3u);
  CHECK_EQ(GetLastError(), kErrorDiskFull);
  faults.Clear();
  CHECK(WriteFile(out, "!", 1, &written, nullptr));
  CloseHandle(out);
  CHECK_EQ(Get("faulty"), "01234abc!");
}
