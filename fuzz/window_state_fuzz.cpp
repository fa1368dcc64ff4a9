// libFuzzer target: WindowState.dat, whether the "Saved Accounts" dialog
// was open.
//
// The input is the file's content, left in the library's folder as any
// program may have left it. It reads as open exactly when its first byte is
// not 0 (an empty file reads as closed); saving what was read leaves
// exactly that one byte, 1 or 0, with no temporary file beside it, and
// that reads back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "file_host.h"
#include "login/account_list.h"
#include "require.h"

namespace {

namespace fs = std::filesystem;

using fuzz::Require;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path folder = fs::path(fuzz::FileHost().folders().user) / "Quorlan";
  const fs::path file = folder / "WindowState.dat";
  fs::create_directories(folder);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(out.good(), "the input could not be left as the file");
  }

  const bool open = login::ReadSavedAccountsOpen();
  Require(open == (size > 0 && data[0] != 0), "read otherwise than its first byte says");

  login::WriteSavedAccountsOpen(open);
  Require(ReadBytes(file) == std::string(1, open ? '\1' : '\0'), "not saved as its one byte");
  Require(login::ReadSavedAccountsOpen() == open, "the saved state reads back otherwise");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  Require(entries == 1, "a temporary file left beside the saved one");
  return 0;
}
