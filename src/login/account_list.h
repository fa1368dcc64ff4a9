// The saved accounts (Chars.acc) and whether the "Saved Accounts" dialog
// was open (WindowState.dat), in the library's folder under the host's user
// folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace login {

struct SavedAccount {
  std::string account;
  std::string password;

  bool operator==(const SavedAccount&) const = default;
};

// The account list, in display and file order.
std::vector<SavedAccount>& Accounts();

// Empties the list and reads Chars.acc (a missing file leaves it empty).
// A Chars.acc that exists but cannot be read leaves the list empty and not
// loaded.
void LoadAccounts();
// Loads the list unless it was loaded in this process already, so that a
// change saved afterwards never drops accounts saved earlier. Call it before
// changing the list.
void EnsureAccountsLoaded();
// Writes the list to Chars.acc (the folder is created first), replacing the
// file through a temporary file; a file that cannot be written is skipped
// silently. Nothing is written while the list does not hold the file's
// entries (never loaded, or the file could not be read), so a save can
// never drop accounts saved earlier.
void SaveAccounts();

// WindowState.dat: true when it holds a non-zero byte.
bool ReadSavedAccountsOpen();
void WriteSavedAccountsOpen(bool open);

// The file format: two lines per entry, account then password, each ended
// by "\n", no escaping. Reading drops every "\r" and NUL of a line (a
// "\r\n" line end, a lone "\r" anywhere), keeps at most 63 of the
// characters left (the rest of a longer line is dropped, never read as a
// line of its own), and drops an account line without its password.
// Writing writes every entry, its account and password without line breaks
// and NULs, so that what was read is never lost and the lines stay paired.
std::vector<SavedAccount> ParseAccounts(std::string_view content);
std::string SerializeAccounts(const std::vector<SavedAccount>& accounts);

// `text` without "\r", "\n" and NUL: what an account or password may hold.
// A line break would split the entry in Chars.acc, and a NUL would end the
// text the host is handed and the row draws before the text compared.
std::string WithoutLineBreaks(std::string_view text);
bool HasLineBreak(std::string_view text);

// "<HostUserFolder>\Quorlan", and the two files in it.
std::string LibraryFolder();
std::string AccountsFile();
std::string WindowStateFile();

// Tests: empties the list and forgets that it was loaded.
void ForgetAccountsForTests();

}  // namespace login
