// Every key script that the core's and the clinical tables' tests run (their log, as the runner
// solvanex-cli is compared with it) is run again through the Win32 window, key by key: digits,
// operators and the separator typed as characters, Enter, Escape and Delete as keys, the other
// buttons clicked, the choices clicked, pastes through the clipboard and the Paste command. After
// every key the window must show what the calculator in memory shows: display text and colour,
// memory indicator, and the same error box.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FormFixture.h"
#include "calculator/KeySession.h"
#include "clinical/Keypad.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {
namespace {

struct Script {
  char separator;
  std::vector<std::string> keys;
};

std::vector<Script> ReadLog(const char* path) {
  std::vector<Script> scripts;
  std::ifstream log(path, std::ios::binary);
  std::set<std::string> seen;
  std::string line;
  while (std::getline(log, line)) {
    if (line.empty() || line[0] == '#' || !seen.insert(line).second) continue;
    Script script{line[0], {}};
    std::size_t at = 1;
    while (at < line.size() && line[at] == '\t') {
      const std::size_t end = std::min(line.find('\t', at + 1), line.size());
      script.keys.push_back(line.substr(at + 1, end - at - 1));
      at = end;
    }
    scripts.push_back(std::move(script));
  }
  return scripts;
}

const std::map<std::string, wchar_t>& TypedKeys() {
  static const std::map<std::string, wchar_t> keys = {
      {"Addition", L'+'},
      {"Soustraction", L'-'},
      {"Multiplication", L'*'},
      {"Division", L'/'},
  };
  return keys;
}

const std::map<std::string, UINT>& PressedKeys() {
  static const std::map<std::string, UINT> keys = {
      {"Egal", VK_RETURN}, {"C", VK_ESCAPE}, {"CE", VK_DELETE}};
  return keys;
}

// Performs key on the window as a user would; false for a key it cannot perform.
bool Perform(FormFixture& fixture, const std::string& key, int index) {
  if (key.rfind("SpeedButton", 0) == 0 && key.size() == 12) {
    fixture.Char(static_cast<wchar_t>(key[11]));
    return true;
  }
  if (key == "Virgule") {
    // Both separator characters press the separator key: every other script types the point.
    fixture.Char(index % 2 == 0 ? L',' : L'.');
    return true;
  }
  if (const auto typed = TypedKeys().find(key); typed != TypedKeys().end()) {
    fixture.Char(typed->second);
    return true;
  }
  if (const auto pressed = PressedKeys().find(key); pressed != PressedKeys().end()) {
    fixture.Key(pressed->second);
    return true;
  }
  if (key.rfind("RadioGroup", 0) == 0 && key.size() == 13 && key[11] == '=') {
    ChoiceGroup& group =
        key[10] == '1' ? fixture.Form().RadioGroup1() : fixture.Form().RadioGroup2();
    SendMessageW(group.ItemHandle(key[12] - '0'), BM_CLICK, 0, 0);
    fixture.Pump();
    return true;
  }
  if (key.rfind("paste=", 0) == 0) {
    SetClipboardText(ToWide(key.substr(6)));
    fixture.Command("Coller2");
    return true;
  }
  if (fixture.Form().Button(key) == nullptr) return false;
  fixture.Click(key);
  return true;
}

TEST(KeyScriptTest, WindowShowsWhatTheCoreShowsAfterEveryKey) {
  const char* path = std::getenv("SOLVANEX_KEY_SCRIPT_LOG");
  if (path == nullptr || *path == '\0') GTEST_SKIP() << "SOLVANEX_KEY_SCRIPT_LOG is not set";
  const std::vector<Script> scripts = ReadLog(path);
  ASSERT_FALSE(scripts.empty()) << "no key scripts in " << path;
  int compared = 0;
  int index = 0;
  for (const Script& script : scripts) {
    ++index;
    // An empty paste leaves the window's display as it is (nothing to paste), where the
    // runner's display becomes empty: such scripts are not the window's to answer.
    bool emptyPaste = false;
    for (const std::string& key : script.keys) emptyPaste = emptyPaste || key == "paste=";
    if (emptyPaste) continue;
    std::string keys;
    for (const std::string& key : script.keys) keys += key + ' ';
    SCOPED_TRACE("separator '" + std::string(1, script.separator) + "', keys: " + keys);
    KeySession session(script.separator, Keypad(), ClinicalFormulas());
    FormFixture fixture(script.separator);
    ASSERT_EQ(fixture.DisplayUtf8(), session.View().display);
    for (std::size_t k = 0; k < script.keys.size(); ++k) {
      const std::string& key = script.keys[k];
      if (!session.Perform(key)) break;  // the runner refuses it: so does the comparison
      fixture.ClearBoxes();
      ASSERT_TRUE(Perform(fixture, key, index)) << key;
      SCOPED_TRACE("after key " + std::to_string(k + 1) + ' ' + key);
      ASSERT_EQ(fixture.DisplayUtf8(), session.View().display);
      ASSERT_EQ(fixture.Form().Afficheur().TextColor(), session.View().color);
      ASSERT_EQ(ToUtf8(fixture.WindowText(fixture.Form().EnMemoire())),
                session.View().memoryIndicator);
      if (session.LastError()) {
        ASSERT_EQ(fixture.Boxes().size(), 1u);
        // A long quoted text is shortened in the box; the message around it is the same.
        const std::string shown = ToUtf8(fixture.Boxes()[0].text);
        if (session.LastError()->size() <= 200) {
          EXPECT_EQ(shown, *session.LastError());
        } else {
          EXPECT_EQ(shown.substr(0, 20), session.LastError()->substr(0, 20));
        }
      } else {
        ASSERT_TRUE(fixture.Boxes().empty()) << ToUtf8(fixture.Boxes()[0].text);
      }
    }
    ++compared;
  }
  std::printf("%d key scripts run through the window\n", compared);
  EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace solvanex::win32::test
