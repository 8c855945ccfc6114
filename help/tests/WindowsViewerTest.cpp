// The system's own HTML Help viewer (under Wine, Wine's) with the help file of the build, in this
// process: its contents tree, read item by item, shows the titles that the help file's writer
// puts into the contents, in their order and nesting, accents included; and the help command
// opens the file beside a program whose folder is named in Greek and Japanese, from another
// current folder. Run under Windows or Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "CodePage.h"
#include "ImageBuilders.h"
#include "ScratchDirectory.h"
#include "Sitemaps.h"
#include "TestCopyRun.h"
#include "help/HelpFile.h"
#include "help/hh.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/WideText.h"

namespace solvanex::help {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kDisplayContents = 0x0001;  // HH_DISPLAY_TOC

// One title of a contents tree; depth 0 for the top level.
struct Title {
  int depth;
  std::wstring text;
  bool operator==(const Title&) const = default;
};

void PrintTo(const Title& title, std::ostream* out) {
  *out << title.depth << ' ' << platform::WideToUtf8(title.text);
}

std::wstring Wide(const std::string& text) {
  return platform::Utf8ToWide(text).value_or(L"");
}

std::string HelpFile() {
  return testing::NativePath(SOLVANEX_TEST_HELP_FILE);
}

// The character references of an HTML attribute value resolved: the named ones of markup and
// the numeric ones. Anything else is left as written.
std::wstring ResolveReferences(std::wstring_view text) {
  static const struct {
    std::wstring_view name;
    wchar_t character;
  } kNamed[] = {{L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"apos", L'\''}};
  std::wstring resolved;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text[at] == L'&' ? text.find(L';', at) : std::wstring_view::npos;
    if (end == std::wstring_view::npos || end - at > 10) {
      resolved += text[at++];
      continue;
    }
    const std::wstring_view name = text.substr(at + 1, end - at - 1);
    bool known = false;
    if (name.size() > 1 && name[0] == L'#') {
      const bool hex = name[1] == L'x' || name[1] == L'X';
      const std::wstring digits(name.substr(hex ? 2 : 1));
      wchar_t* stop = nullptr;
      const unsigned long code = std::wcstoul(digits.c_str(), &stop, hex ? 16 : 10);
      if (!digits.empty() && *stop == L'\0' && code > 0 && code < 0xD800) {
        resolved += static_cast<wchar_t>(code);
        known = true;
      }
    } else {
      for (const auto& entity : kNamed) {
        if (name == entity.name) {
          resolved += entity.character;
          known = true;
        }
      }
    }
    if (known) {
      at = end + 1;
    } else {
      resolved += text[at++];
    }
  }
  return resolved;
}

// The titles of the contents as a viewer that reads the file in windows-1252 shows them: the
// contents that the help file's writer fills from its template, in the writer's code page, the
// "Name" of each item with its depth of lists.
std::vector<Title> WrittenTitles() {
  const std::string written = helpcontent::ToWindows1252(helpcontent::ContentsSitemap(
      testing::ReadAll(testing::NativePath(SOLVANEX_HELP_SOURCE_DIR "/Solvanex.hhc.in"))));
  constexpr std::string_view kOpen = "<UL>", kClose = "</UL>",
                             kName = "<param name=\"Name\" value=\"";
  std::vector<Title> titles;
  int lists = 0;
  std::size_t at = 0;
  while (at < written.size()) {
    if (written.compare(at, kOpen.size(), kOpen) == 0) {
      ++lists;
      at += kOpen.size();
    } else if (written.compare(at, kClose.size(), kClose) == 0) {
      --lists;
      at += kClose.size();
    } else if (written.compare(at, kName.size(), kName) == 0) {
      at += kName.size();
      const std::size_t end = written.find('"', at);
      if (end == std::string::npos) break;
      const std::string value = written.substr(at, end - at);
      std::wstring wide(value.size(), L'\0');
      const int length = value.empty() ? 0
                                       : ::MultiByteToWideChar(
                                             1252, 0, value.data(), static_cast<int>(value.size()),
                                             wide.data(), static_cast<int>(wide.size()));
      wide.resize(static_cast<std::size_t>(length));
      titles.push_back({lists - 1, ResolveReferences(wide)});
      at = end;
    } else {
      ++at;
    }
  }
  return titles;
}

struct ClassSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (::lstrcmpiW(name, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindChildOfClass(HWND parent, const wchar_t* className) {
  ClassSearch search{className, nullptr};
  ::EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Lets the viewer handle what it posted to itself while opening.
void HandlePendingMessages() {
  const ULONGLONG end = ::GetTickCount64() + 500;
  MSG message;
  while (::GetTickCount64() < end) {
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(20);
  }
}

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t text[1024] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = 1024;
  if (!::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return L"<?>";
  return text;
}

HTREEITEM NextItem(HWND tree, HTREEITEM item, WPARAM relation) {
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Every item of the tree, depth first, with its depth. The walk keeps its own stack: the tree
// is the viewer's, its depth none of this program's.
std::vector<Title> TreeTitles(HWND tree) {
  std::vector<Title> titles;
  std::vector<HTREEITEM> parents;
  HTREEITEM item = NextItem(tree, nullptr, TVGN_ROOT);
  while (item != nullptr && titles.size() < 10000) {
    titles.push_back({static_cast<int>(parents.size()), ItemText(tree, item)});
    if (const HTREEITEM child = NextItem(tree, item, TVGN_CHILD)) {
      parents.push_back(item);
      item = child;
      continue;
    }
    HTREEITEM next = NextItem(tree, item, TVGN_NEXT);
    while (next == nullptr && !parents.empty()) {
      next = NextItem(tree, parents.back(), TVGN_NEXT);
      parents.pop_back();
    }
    item = next;
  }
  return titles;
}

std::wstring WindowTitle(HWND window) {
  wchar_t title[256] = {};
  const int length = ::GetWindowTextW(window, title, 256);
  return std::wstring(title, static_cast<std::size_t>(length > 0 ? length : 0));
}

class WindowsHelpViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadHelpLibrary();
    ASSERT_NE(HtmlHelpW, nullptr) << "no HTML Help control on this system";
  }
  void TearDown() override {
    CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    HandlePendingMessages();
    UnloadHelpLibrary();
  }
};

TEST_F(WindowsHelpViewer, ContentsTreeShowsTheWrittenTitles) {
  ASSERT_FALSE(testing::ReadAll(HelpFile()).empty()) << HelpFile();
  const std::vector<Title> expected = WrittenTitles();
  ASSERT_GT(expected.size(), 10u);

  const auto window =
      static_cast<HWND>(HtmlHelpW(nullptr, Wide(HelpFile()).c_str(), kDisplayContents, 0));
  ASSERT_NE(window, nullptr);
  HandlePendingMessages();
  EXPECT_EQ(WindowTitle(window), L"Aide de Solvanex");
  const HWND tree = FindChildOfClass(window, WC_TREEVIEWW);
  ASSERT_NE(tree, nullptr) << "the viewer's window has no contents tree";
  const std::vector<Title> shown = TreeTitles(tree);

  EXPECT_EQ(shown, expected);
  // The titles with accents, as the reader must see them, and no UTF-8 read as windows-1252.
  for (const std::wstring_view title :
       {L"Conversions d'unit\u00E9s", L"Fonctions \u00E0 une valeur", L"La m\u00E9moire"}) {
    bool found = false;
    for (const Title& item : shown) found = found || item.text == title;
    EXPECT_TRUE(found) << platform::WideToUtf8(std::wstring(title));
  }
  for (const Title& item : shown) {
    EXPECT_EQ(item.text.find(L'\u00C3'), std::wstring::npos) << platform::WideToUtf8(item.text);
    EXPECT_EQ(item.text.find(L"&#"), std::wstring::npos) << platform::WideToUtf8(item.text);
  }
}

std::string EnvironmentVariable(const wchar_t* name) {
  wchar_t value[1024] = {};
  const DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  return length == 0 || length >= 1024 ? std::string() : platform::WideToUtf8(value);
}

constexpr char kFolderName[] = "Φάκελος-フォルダ";

// The help command of a copy of this program in a folder that no ANSI code page can name,
// started by the next test from another current folder; skipped in any other run.
TEST_F(WindowsHelpViewer, HelpCommandInTheCopyOpensTheFileBesideIt) {
  const std::string program = EnvironmentVariable(L"SOLVANEX_EXPECTED_PROGRAM");
  if (program.empty()) GTEST_SKIP() << "run by a copy of this program that the next test starts";
  ASSERT_EQ(platform::ModuleFileName(), program);
  // The path that HtmlHelpA gets: plain ASCII, and the file beside the program.
  const std::string argument = HelpFileArgumentForThisProgram();
  EXPECT_NE(argument, kHelpFileName);
  for (const char c : argument) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << argument;
  wchar_t longPath[MAX_PATH + 1] = {};
  const DWORD length = ::GetLongPathNameW(Wide(argument).c_str(), longPath, MAX_PATH + 1);
  EXPECT_EQ(platform::WideToUtf8(std::wstring_view(longPath, length)),
            platform::JoinPath(platform::ExtractFileDir(program), kHelpFileName));

  const auto window =
      static_cast<HWND>(CallHtmlHelp(GetDesktopWindow(), kHelpFileName, HH_DISPLAY_TOPIC, 0));
  ASSERT_NE(window, nullptr) << "the viewer did not open " << argument;
  HandlePendingMessages();
  EXPECT_EQ(WindowTitle(window), L"Aide de Solvanex");
}

TEST(WindowsHelpCommand, OpensTheFileBesideAProgramInAGreekAndJapaneseFolder) {
  if (!EnvironmentVariable(L"SOLVANEX_EXPECTED_PROGRAM").empty()) GTEST_SKIP() << "the copy";
  testing::ScratchDirectory scratch;
  const std::string folder = scratch / kFolderName;
  const std::string elsewhere = scratch / "ailleurs";
  ASSERT_NE(::CreateDirectoryW(Wide(folder).c_str(), nullptr), 0);
  ASSERT_NE(::CreateDirectoryW(Wide(elsewhere).c_str(), nullptr), 0);
  const std::string program = platform::JoinPath(folder, "solvanex-help-copy.exe");
  ASSERT_NE(::CopyFileW(Wide(platform::ModuleFileName()).c_str(), Wide(program).c_str(), TRUE), 0);
  ASSERT_NE(::CopyFileW(Wide(HelpFile()).c_str(),
                        Wide(platform::JoinPath(folder, kHelpFileName)).c_str(), TRUE),
            0);
  const std::optional<unsigned long> exitCode = testing::RunTestCopy(
      program, L"--gtest_filter=WindowsHelpViewer.HelpCommandInTheCopyOpensTheFileBesideIt",
      elsewhere);
  ASSERT_TRUE(exitCode.has_value()) << "the copy did not start or did not end";
  EXPECT_EQ(*exitCode, 0u) << "the copy's test failed: see its output above";
}

}  // namespace
}  // namespace solvanex::help
