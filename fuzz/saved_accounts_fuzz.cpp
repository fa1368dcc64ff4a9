// libFuzzer target: Chars.acc, the saved accounts.
//
// The input is the file's content. What is read must hold no line break or
// NUL and at most 63 characters a field, and writing what was read and
// reading it again must give the same entries: a save never loses or
// splits an entry it read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "login/account_list.h"
#include "require.h"

namespace {

using fuzz::Require;

bool Clean(const std::string& field) {
  return field.size() <= 63 && !login::HasLineBreak(field) &&
         field.find('\0') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::vector<login::SavedAccount> read = login::ParseAccounts(content);
  for (const login::SavedAccount& entry : read) {
    Require(Clean(entry.account) && Clean(entry.password), "a field read with a break or too long");
  }
  const std::string written = login::SerializeAccounts(read);
  Require(login::ParseAccounts(written) == read, "what was written reads back otherwise");
  Require(login::SerializeAccounts(login::ParseAccounts(written)) == written,
          "a second save differs from the first");
  return 0;
}
