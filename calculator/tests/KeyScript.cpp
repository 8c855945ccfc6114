#include "KeyScript.h"

#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "KeyScriptLog.h"

namespace solvanex::testing {

std::string ControlName(std::string_view token) {
  static const std::map<std::string_view, std::string_view> names = {
      {",", "Virgule"},   {"+", "Addition"}, {"-", "Soustraction"}, {"*", "Multiplication"},
      {"/", "Division"},  {"=", "Egal"},     {"+/-", "bSigne"},     {"BS", "Retour"},
      {"sqrt", "Racine"}, {"%", "PourCent"}, {"1/x", "Inverse"},    {"M+", "MP"},
  };
  if (token.size() == 1 && token[0] >= '0' && token[0] <= '9') {
    return "SpeedButton" + std::string(token);
  }
  const auto it = names.find(token);
  return std::string(it == names.end() ? token : it->second);
}

std::vector<std::string> Tokens(std::string_view sequence) {
  std::vector<std::string> tokens;
  std::size_t at = 0;
  while (at < sequence.size()) {
    const std::size_t begin = sequence.find_first_not_of(' ', at);
    if (begin == std::string_view::npos) break;
    const std::size_t end = std::min(sequence.find(' ', begin), sequence.size());
    tokens.emplace_back(sequence.substr(begin, end - begin));
    at = end;
  }
  return tokens;
}

namespace {

// What a session shows and holds: a session whose state is not the one its last run left is
// a new session at the same address.
auto Snapshot(const KeySession& session) {
  const MemoryView& view = session.View();
  const CalculatorState& state = session.Core().State();
  return std::make_tuple(view.display, view.color, view.memoryIndicator, view.choices.unitSystem,
                         view.choices.sex, state.SignText, state.IntegerText, state.FractionText,
                         state.DecimalEntered, state.Accumulator, state.PendingOperator,
                         state.NewEntryPending, state.OperationPending, state.MemoryText);
}

struct SessionScript {
  char separator = ',';
  std::vector<std::string> keys;
  decltype(Snapshot(std::declval<const KeySession&>())) after;
};

// Logs the keys of every session from its start, run by run (KeyScriptLog.h).
void LogRun(const KeySession& session, const std::vector<std::string>& keys,
            const decltype(Snapshot(session))& before) {
  static std::map<const KeySession*, SessionScript> scripts;
  SessionScript& script = scripts[&session];
  if (script.keys.empty() || script.after != before) {
    // A new session shows "0" and its separator, as every session starts.
    const std::string& display = std::get<0>(before);
    script.separator = display.empty() ? ',' : display.back();
    script.keys.clear();
  }
  script.keys.insert(script.keys.end(), keys.begin(), keys.end());
  script.after = Snapshot(session);
  LogKeyScript(script.separator, script.keys);
}

}  // namespace

std::string Run(KeySession& session, std::string_view sequence) {
  const auto before = Snapshot(session);
  std::string lastError;
  std::vector<std::string> keys;
  for (const auto& token : Tokens(sequence)) {
    keys.push_back(ControlName(token));
    if (!session.Perform(keys.back())) {
      throw std::invalid_argument("unknown key in test sequence: " + token);
    }
    if (session.LastError()) lastError = *session.LastError();
  }
  LogRun(session, keys, before);
  return lastError;
}

}  // namespace solvanex::testing
