// Chars.acc and WindowState.dat: the line format, the rule that a save never
// drops accounts saved earlier, and the files as written in the user folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "login/account_list.h"
#include "platform/platform.h"
#include "sim/simulator.h"

namespace login {
void PrintTo(const SavedAccount& a, std::ostream* os) { *os << a.account << "/" << a.password; }
}  // namespace login

namespace {

using login::SavedAccount;
using Accounts = std::vector<SavedAccount>;

const std::string k63(63, 'a');
const std::string k64(64, 'b');

struct ParseCase {
  const char* name;
  std::string content;
  Accounts expected;
};

TEST(LoginAccountsFormat, ParsesLinesAsTheReaderOfA64ByteBufferKeepsThem) {
  const ParseCase cases[] = {
      {"empty file", "", {}},
      {"one entry", "alice\nsecret\n", {{"alice", "secret"}}},
      {"no final line feed", "alice\nsecret", {{"alice", "secret"}}},
      {"odd line count drops the last", "alice\nsecret\nbob\n", {{"alice", "secret"}}},
      {"odd count without line feed", "alice\nsecret\nbob", {{"alice", "secret"}}},
      {"carriage returns",
       "alice\r\nsecret\r\nbob\r\npw\r\n",
       {{"alice", "secret"}, {"bob", "pw"}}},
      {"empty password", "alice\n\nbob\npw\n", {{"alice", ""}, {"bob", "pw"}}},
      {"empty account and password", "\n\n", {{"", ""}}},
      {"63 characters", k63 + "\n" + k63 + "\n", {{k63, k63}}},
      {"63 characters, CRLF",
       k63 + "\r\n" + k63 + "\r\nbob\r\npw\r\n",
       {{k63, k63}, {"bob", "pw"}}},
      // The rest of a long line never becomes a line of its own.
      {"64 characters",
       k64 + "\nsecret\nbob\npw\n",
       {{k64.substr(0, 63), "secret"}, {"bob", "pw"}}},
      {"long password",
       "alice\n" + std::string(200, 'p') + "\r\nbob\npw\n",
       {{"alice", std::string(63, 'p')}, {"bob", "pw"}}},
      {"blanks kept", " al ice \n pw \n", {{" al ice ", " pw "}}},
      // Carriage returns and NULs never stay in an entry, wherever they are.
      {"lone carriage returns", "al\rice\npw\r1\r\r\n", {{"alice", "pw1"}}},
      {"a carriage return alone on its line", "\r\npw\nbob\npw2\n", {{"", "pw"}, {"bob", "pw2"}}},
      {"NUL bytes", std::string("ali\0ce\np\0w\n", 11), {{"alice", "pw"}}},
      {"63 characters besides carriage returns and NULs",
       "\r" + k63 + std::string(1, '\0') + "\nsecret\n",
       {{k63, "secret"}}},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(login::ParseAccounts(c.content), c.expected) << c.name;
  }
}

TEST(LoginAccountsFormat, SerializesTwoLinesPerEntryAndReadsBackTheSame) {
  const Accounts accounts{{"alice", "secret"}, {"bob", ""}, {k63, "pa ss\tword"}};
  const std::string written = login::SerializeAccounts(accounts);
  EXPECT_EQ(written, "alice\nsecret\nbob\n\n" + k63 + "\npa ss\tword\n");
  EXPECT_EQ(login::ParseAccounts(written), accounts);
  EXPECT_EQ(login::SerializeAccounts({}), "");
}

// Whatever reached the list is written; a line break or NUL in it is left
// out so that it cannot split the entry and pair later accounts with the
// wrong passwords.
TEST(LoginAccountsFormat, EveryEntryIsWrittenWithoutItsLineBreaksAndNuls) {
  const Accounts accounts{{"alice", "se\ncret"},
                          {"carol\r", "pw"},
                          {std::string("da\0ve", 5), "\r\npw\r\n"},
                          {"bob", "pw"}};
  EXPECT_EQ(login::SerializeAccounts(accounts), "alice\nsecret\ncarol\npw\ndave\npw\nbob\npw\n");
}

// A file read and written back holds every entry it held, whatever its
// lines held.
TEST(LoginAccountsFormat, AFileReadIsWrittenBackWithEveryEntry) {
  const std::string files[] = {
      "alice\rx\npw1\nbob\npw2\n",
      std::string("ali\0ce\npw\0\nbob\npw2\n", 19),
      "alice\r\npw1\r\n\r\n\r\nbob\r\np\rw\r\n",
      k64 + "\r\n" + k64 + "\r\nbob\npw\n",
  };
  for (const std::string& file : files) {
    const Accounts read = login::ParseAccounts(file);
    EXPECT_EQ(login::ParseAccounts(login::SerializeAccounts(read)), read) << file;
  }
}

// The files in the simulator's user folder, which the host's user folder
// variable names.
class LoginAccountFiles : public ::testing::Test {
 protected:
  void SetUp() override { login::ForgetAccountsForTests(); }
  void TearDown() override { login::ForgetAccountsForTests(); }

  std::filesystem::path Folder() const { return simulator.folders().user + "/Quorlan"; }
  void WriteFile(const std::string& name, const std::string& content) {
    std::filesystem::create_directories(Folder());
    std::ofstream(Folder() / name, std::ios::binary) << content;
  }
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(Folder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  sim::Simulator simulator;
};

TEST_F(LoginAccountFiles, AnAddWithoutOpeningTheListKeepsTheAccountsSavedEarlier) {
  WriteFile("Chars.acc", "alice\nsecret\nbob\npw\n");
  login::EnsureAccountsLoaded();
  login::Accounts().push_back({"carol", "x"});
  login::SaveAccounts();
  EXPECT_EQ(ReadFile("Chars.acc"), "alice\nsecret\nbob\npw\ncarol\nx\n");
  // Loaded once per process: a second add does not read the file again.
  WriteFile("Chars.acc", "");
  login::EnsureAccountsLoaded();
  login::Accounts().push_back({"dave", "y"});
  login::SaveAccounts();
  EXPECT_EQ(ReadFile("Chars.acc"), "alice\nsecret\nbob\npw\ncarol\nx\ndave\ny\n");
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Chars.acc"}));  // no temporary left
}

TEST_F(LoginAccountFiles, ASaveNeverReplacesAFileTheListDoesNotHold) {
  WriteFile("Chars.acc", "alice\nsecret\n");
  login::Accounts().push_back({"carol", "x"});  // changed without loading first
  login::SaveAccounts();
  EXPECT_EQ(ReadFile("Chars.acc"), "alice\nsecret\n");

  // A Chars.acc that is there but cannot be read (here a folder) is not an
  // empty list.
  std::filesystem::remove(Folder() / "Chars.acc");
  std::filesystem::create_directory(Folder() / "Chars.acc");
  login::EnsureAccountsLoaded();
  EXPECT_TRUE(login::Accounts().empty());
  login::Accounts().push_back({"carol", "x"});
  login::SaveAccounts();
  EXPECT_TRUE(std::filesystem::is_directory(Folder() / "Chars.acc"));
  EXPECT_EQ(login::Accounts().size(), 1u);  // the change stays in memory
}

TEST_F(LoginAccountFiles, AMissingFileIsAnEmptyListAndTheFolderIsCreatedOnSave) {
  login::EnsureAccountsLoaded();
  EXPECT_TRUE(login::Accounts().empty());
  login::Accounts().push_back({"alice", "secret"});
  login::SaveAccounts();
  EXPECT_EQ(ReadFile("Chars.acc"), "alice\nsecret\n");
  // LoadAccounts reads the file again, replacing the list.
  WriteFile("Chars.acc", "bob\r\npw\r\n");
  login::LoadAccounts();
  EXPECT_EQ(login::Accounts(), (Accounts{{"bob", "pw"}}));
}

TEST_F(LoginAccountFiles, WindowStateIsOneByteAndReadsClosedWhenMissingOrEmpty) {
  EXPECT_FALSE(login::ReadSavedAccountsOpen());  // no folder yet
  const std::pair<std::string, bool> cases[] = {{"", false},
                                                {std::string(1, '\0'), false},
                                                {"\x01", true},
                                                {"\x02", true},
                                                {"\x01\x00", true}};
  for (const auto& [content, open] : cases) {
    WriteFile("WindowState.dat", content);
    EXPECT_EQ(login::ReadSavedAccountsOpen(), open) << content.size() << " bytes";
  }
  std::filesystem::remove_all(Folder());
  login::WriteSavedAccountsOpen(true);
  EXPECT_EQ(ReadFile("WindowState.dat"), "\x01");
  EXPECT_TRUE(login::ReadSavedAccountsOpen());
  login::WriteSavedAccountsOpen(false);
  EXPECT_EQ(ReadFile("WindowState.dat"), std::string(1, '\0'));
}

TEST_F(LoginAccountFiles, AWholeFileIsReplacedOrLeftAsItWas) {
  platform::Platform& os = platform::Get();
  const std::string target = simulator.folders().user + "\\a.txt";
  ASSERT_TRUE(os.WriteWholeFile(target, "first, longer content"));
  ASSERT_TRUE(os.WriteWholeFile(target, "second"));
  std::string read;
  ASSERT_TRUE(os.ReadWholeFile(target, &read));
  EXPECT_EQ(read, "second");
  EXPECT_FALSE(os.WriteWholeFile(simulator.folders().user + "\\missing\\a.txt", "x"));
  EXPECT_FALSE(os.ReadWholeFile(simulator.folders().user + "\\missing\\a.txt", &read));
  EXPECT_EQ(read, "second");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(simulator.folders().user)) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt"}));
  EXPECT_TRUE(os.CreateFolder(simulator.folders().user + "\\new"));
  EXPECT_FALSE(os.CreateFolder(simulator.folders().user + "\\new"));
}

}  // namespace
