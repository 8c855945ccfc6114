// A log of the key scripts that the tests run, so that the same scripts can be given to the
// runner (solvanex-cli) built for another system and the outputs compared. When the environment
// variable SOLVANEX_KEY_SCRIPT_LOG names a file, each script is appended to it as one line: the
// decimal separator, then every key name after a tab. A script that the runner could not read
// one key per line (a key that is empty or holds a tab or a line break) is written as a line
// beginning with '#', so that the comparison reports it instead of losing it.
#pragma once

#include <string>
#include <vector>

namespace solvanex::testing {

void LogKeyScript(char separator, const std::vector<std::string>& keys);

}  // namespace solvanex::testing
