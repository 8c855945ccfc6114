#include "TestCopyRun.h"

#include <windows.h>

#include "platform/WideText.h"

namespace solvanex::testing {

std::optional<unsigned long> RunTestCopy(const std::string& program, const std::wstring& arguments,
                                         const std::string& workingDir) {
  const std::optional<std::wstring> wideProgram = platform::Utf8ToWide(program);
  const std::optional<std::wstring> wideDir = platform::Utf8ToWide(workingDir);
  if (!wideProgram || !wideDir) return std::nullopt;
  std::wstring commandLine = L"\"" + *wideProgram + L"\" " + arguments;
  if (::SetEnvironmentVariableW(L"SOLVANEX_EXPECTED_PROGRAM", wideProgram->c_str()) == 0) {
    return std::nullopt;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started =
      ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       wideDir->empty() ? nullptr : wideDir->c_str(), &startup, &process);
  ::SetEnvironmentVariableW(L"SOLVANEX_EXPECTED_PROGRAM", nullptr);
  if (!started) return std::nullopt;
  std::optional<unsigned long> result;
  DWORD exitCode = 0;
  if (::WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 &&
      ::GetExitCodeProcess(process.hProcess, &exitCode)) {
    result = exitCode;
  } else {
    ::TerminateProcess(process.hProcess, 1);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

}  // namespace solvanex::testing
