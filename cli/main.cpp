// solvanex-cli: runs key names through a fresh calculator and prints one line of JSON per key.
//
//   solvanex-cli [--separator=C] [KEY ...]
//
// Without KEY arguments the keys are read from standard input, one per line. Exit status 0, or 2
// for an unknown key (after the lines of the keys before it) or a bad option, or 1 when standard
// output cannot be written (a full disk, a closed pipe).
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/KeySession.h"
#include "cli/Json.h"
#include "clinical/Keypad.h"
#include "solvanex/Version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 1;

char LocaleDecimalSeparator() {
  char separator = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::string_view point = std::localeconv()->decimal_point;
    if (point.size() == 1) separator = point[0];
  }
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

void PrintUsage(std::FILE* out) {
  std::fputs(
      "usage: solvanex-cli [--separator=C] [KEY ...] | --help | --version\n"
      "Performs each KEY on a fresh calculator and prints one line of JSON after each.\n"
      "KEY: a button name (SpeedButton0..9, Virgule, Egal, IMC, ...), RadioGroup1=0|1,\n"
      "     RadioGroup2=0|1 or paste=TEXT. Without KEY, keys are read from standard input,\n"
      "     one per line.\n",
      out);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Status for a run whose output ends here: status itself once everything written has reached
// standard output, else kOutputError after a message on standard error that gives the system's
// reason (errno of the failed write) when there is one.
int Finish(int status) {
  if (std::cout.good()) {
    errno = 0;
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  }
  const int error = errno;
  std::cerr << "solvanex-cli: cannot write standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
  return kOutputError;
}

// Performs one key and prints its line; the exit status when the run must stop here (an unknown
// key, output that cannot be written), else nothing.
std::optional<int> RunKey(solvanex::KeySession& session, std::string_view key) {
  if (!session.Perform(key)) {
    std::cerr << "solvanex-cli: unknown key '" << key << "'\n";
    return Finish(kUsageError);
  }
  const auto& view = session.View();
  errno = 0;
  std::cout << solvanex::cli::KeyResultLine(key, view.display, view.color == solvanex::kColorRed,
                                            view.memoryIndicator, session.LastError())
            << '\n'
            << std::flush;
  if (!std::cout) return Finish(kOutputError);
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in LF alone on every system: the C library would write CR LF in text mode.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  char separator = '\0';
  std::vector<std::string_view> keys;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return Finish(0);
    }
    if (arg == "--version") {
      std::cout << "solvanex-cli " << solvanex::kReleaseVersion << '\n';
      return Finish(0);
    }
    if (arg.starts_with("--separator=")) {
      const std::string_view value = arg.substr(std::string_view("--separator=").size());
      if (value.size() != 1) {
        std::cerr << "solvanex-cli: --separator takes one character, not '" << value << "'\n";
        return kUsageError;
      }
      separator = value[0];
      continue;
    }
    if (arg.starts_with("--")) {
      std::cerr << "solvanex-cli: unknown option '" << arg << "'\n";
      PrintUsage(stderr);
      return kUsageError;
    }
    keys.push_back(arg);
  }
  if (separator == '\0') separator = LocaleDecimalSeparator();

  solvanex::KeySession session(separator, solvanex::Keypad(), solvanex::ClinicalFormulas());
  if (!keys.empty()) {
    for (const auto key : keys) {
      if (const auto status = RunKey(session, key)) return *status;
    }
    return Finish(0);
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsBlank(line)) continue;
    if (const auto status = RunKey(session, line)) return *status;
  }
  return Finish(0);
}
