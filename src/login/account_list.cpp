#include "login/account_list.h"

#include "host/host_functions.h"
#include "platform/platform.h"

namespace login {
namespace {

// A line is read into a 64-byte buffer: at most 63 characters and the NUL.
constexpr size_t kMaxLineLength = 63;

std::vector<SavedAccount> accounts;
// Whether `accounts` holds what Chars.acc held (it was read, or found
// missing) since the process started. Saving is refused until it does.
bool loaded = false;

// The characters no entry holds ("\0" is given with its length, or the
// literal would end before it).
constexpr std::string_view kBreaks("\r\n\0", 3);

// Creates the library's folder (it may exist already) and replaces `path`
// with `content`. A file that cannot be written is skipped silently.
void WriteUserFile(const std::string& path, const std::string& content) {
  platform::Platform& os = platform::Get();
  os.CreateFolder(LibraryFolder());
  os.WriteWholeFile(path, content);
}

}  // namespace

std::vector<SavedAccount>& Accounts() { return accounts; }

std::string WithoutLineBreaks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    if (kBreaks.find(c) == std::string_view::npos) kept += c;
  }
  return kept;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(kBreaks) != std::string_view::npos;
}

std::vector<SavedAccount> ParseAccounts(std::string_view content) {
  std::vector<SavedAccount> parsed;
  std::string pending;  // an account line waiting for its password line
  bool havePending = false;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    // The rest of a line longer than the buffer is dropped with the line
    // end, so that it never turns into a line of its own and shifts every
    // following account against its password.
    std::string line = WithoutLineBreaks(content.substr(start, end - start));
    if (line.size() > kMaxLineLength) line.resize(kMaxLineLength);
    start = end + 1;
    if (!havePending) {
      pending = std::move(line);
      havePending = true;
    } else {
      parsed.push_back({std::move(pending), std::move(line)});
      havePending = false;
    }
  }
  return parsed;
}

std::string SerializeAccounts(const std::vector<SavedAccount>& list) {
  std::string content;
  for (const SavedAccount& entry : list) {
    // The format has no escaping: a line break written would be read back
    // as two lines and pair every later account with the wrong password.
    // The list never holds one (every way in strips them); should one get
    // there all the same, the entry is written without it, never left out.
    content += WithoutLineBreaks(entry.account);
    content += '\n';
    content += WithoutLineBreaks(entry.password);
    content += '\n';
  }
  return content;
}

std::string LibraryFolder() { return HostUserFolder() + "\\Quorlan"; }
std::string AccountsFile() { return LibraryFolder() + "\\Chars.acc"; }
std::string WindowStateFile() { return LibraryFolder() + "\\WindowState.dat"; }

void LoadAccounts() {
  accounts.clear();
  platform::Platform& os = platform::Get();
  const std::string path = AccountsFile();
  std::string content;
  if (os.ReadWholeFile(path, &content)) {
    accounts = ParseAccounts(content);
    loaded = true;
    return;
  }
  // A missing file is an empty list. A file that is there but cannot be
  // read is not: the list stays unloaded, so no save replaces the accounts
  // it holds, and the next load tries again.
  uint64_t size = 0;
  loaded = !os.FileSize(path, &size);
}

void EnsureAccountsLoaded() {
  if (!loaded) LoadAccounts();
}

void SaveAccounts() {
  if (!loaded) return;
  WriteUserFile(AccountsFile(), SerializeAccounts(accounts));
}

bool ReadSavedAccountsOpen() {
  std::string content;
  if (!platform::Get().ReadWholeFile(WindowStateFile(), &content) || content.empty()) return false;
  return content[0] != '\0';
}

void WriteSavedAccountsOpen(bool open) {
  WriteUserFile(WindowStateFile(), std::string(1, open ? '\1' : '\0'));
}

void ForgetAccountsForTests() {
  accounts.clear();
  loaded = false;
}

}  // namespace login
