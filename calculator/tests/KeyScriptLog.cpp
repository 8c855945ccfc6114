#include "KeyScriptLog.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace solvanex::testing {

void LogKeyScript(char separator, const std::vector<std::string>& keys) {
  const char* path = std::getenv("SOLVANEX_KEY_SCRIPT_LOG");
  if (path == nullptr || *path == '\0') return;
  std::string line(1, separator);
  bool readable = true;
  for (const std::string& key : keys) {
    if (key.empty() || key.find_first_of("\t\r\n") != std::string::npos) readable = false;
    line += '\t';
    line += key;
  }
  if (!readable) {
    std::string shown;
    for (const char c : line) shown += c == '\n' || c == '\r' ? ' ' : c;
    line = "# not readable one key per line:\t" + shown;
  }
  line += '\n';
  // Appended in one write, so that test programs running side by side do not mix their lines.
  static std::mutex mutex;
  const std::lock_guard<std::mutex> lock(mutex);
  if (std::FILE* file = std::fopen(path, "ab")) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
  }
}

}  // namespace solvanex::testing
