// Runs a copy of a test program, started the way a user starts a program from a folder, and
// waits for it: for tests of what a program sees of its own path and of the folder it runs from.
#pragma once

#include <optional>
#include <string>

namespace solvanex::testing {

// Starts `program` (a UTF-8 path) with `arguments` after its quoted name, in `workingDir` (empty:
// this process's), with SOLVANEX_EXPECTED_PROGRAM naming `program` in its environment, and waits
// up to two minutes for it. Its exit code; nullopt when it did not start or did not end in time.
std::optional<unsigned long> RunTestCopy(const std::string& program, const std::wstring& arguments,
                                         const std::string& workingDir = {});

}  // namespace solvanex::testing
