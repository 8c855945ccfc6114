// The Win32 start-up benchmark: starts each program given on the command line in turn, times
// from process creation to its first painting (signalled through win32/StartupProbe.h) and reads
// its working set then; after two warm-up rounds, prints the medians of the rounds that follow
// and each program's ratio to the first one.
//   solvanex_win32_startup_bench RUNS BASELINE.exe PROGRAM.exe [...]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
  double milliseconds = 0;
  double workingSetMiB = 0;
};

bool RunOnce(const std::wstring& program, Sample* sample) {
  const wchar_t* eventName = L"SolvanexFirstPaintBench";
  const HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, eventName);
  SetEnvironmentVariableW(L"SOLVANEX_FIRST_PAINT_EVENT", eventName);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    CloseHandle(painted);
    return false;
  }
  const HANDLE waits[] = {painted, process.hProcess};
  const DWORD which = WaitForMultipleObjects(2, waits, FALSE, 60000);
  QueryPerformanceCounter(&end);
  bool ok = which == WAIT_OBJECT_0;
  if (ok) {
    sample->milliseconds =
        1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ok = GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != FALSE;
    sample->workingSetMiB = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(painted);
  return ok;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: solvanex_win32_startup_bench RUNS BASELINE.exe PROGRAM.exe ...\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  std::vector<std::wstring> programs(argv + 2, argv + argc);
  std::vector<std::vector<Sample>> samples(programs.size());
  constexpr int kWarmUp = 2;
  for (int round = 0; round < kWarmUp + runs; ++round) {
    // Alternating, so that a change of the machine's load meets every program alike.
    for (std::size_t p = 0; p < programs.size(); ++p) {
      Sample sample;
      if (!RunOnce(programs[p], &sample)) {
        std::fprintf(stderr, "%ls: no first painting\n", programs[p].c_str());
        return 1;
      }
      if (round >= kWarmUp) samples[p].push_back(sample);
    }
  }
  std::printf("%-40s %14s %8s %16s %8s\n", "program (medians of runs)", "first paint ms", "ratio",
              "working set MiB", "ratio");
  double baseTime = 0, baseMemory = 0;
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> times, memory;
    for (const Sample& s : samples[p]) {
      times.push_back(s.milliseconds);
      memory.push_back(s.workingSetMiB);
    }
    const double time = Median(times), set = Median(memory);
    if (p == 0) baseTime = time, baseMemory = set;
    std::wstring name = programs[p].substr(programs[p].find_last_of(L"\\/") + 1);
    std::printf("%-40ls %14.1f %8.2f %16.1f %8.2f\n", name.c_str(), time, time / baseTime, set,
                set / baseMemory);
  }
  std::printf("(%d runs each after %d warm-up rounds)\n", runs, kWarmUp);
  return 0;
}
