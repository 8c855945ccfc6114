#include "KeyScript.h"

#include <map>
#include <stdexcept>

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

std::string Run(KeySession& session, std::string_view sequence) {
  std::string lastError;
  for (const auto& token : Tokens(sequence)) {
    if (!session.Perform(ControlName(token))) {
      throw std::invalid_argument("unknown key in test sequence: " + token);
    }
    if (session.LastError()) lastError = *session.LastError();
  }
  return lastError;
}

}  // namespace solvanex::testing
