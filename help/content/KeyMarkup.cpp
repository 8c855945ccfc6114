#include "KeyMarkup.h"

#include "HtmlText.h"
#include "calculator/Keypad.h"
#include "clinical/Keypad.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace solvanex::helpcontent {

namespace {

constexpr std::string_view kOpen = "{{touches ";
constexpr std::string_view kClose = "}}";
constexpr std::string_view kPaste = "coller:";

constexpr std::pair<std::string_view, std::string_view> kChoices[] = {
    {"Ancien", kChooseConventional},
    {"International", kChooseInternational},
    {"Homme", kChooseMale},
    {"Femme", kChooseFemale}};

bool IsNumber(std::string_view token) {
  const std::string_view digits = token.starts_with('-') ? token.substr(1) : token;
  return !digits.empty() && digits.front() >= '0' && digits.front() <= '9' &&
         std::all_of(digits.begin(), digits.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == ','; });
}

std::string Render(std::string_view script) {
  std::vector<KeyStep> steps;
  std::size_t at = 0;
  while (at < script.size()) {
    const std::size_t start = script.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(script.find(' ', start), script.size());
    steps.push_back(StepForToken(script.substr(start, end - start)));
    at = end;
  }
  if (steps.empty()) throw std::invalid_argument("empty key example");

  const KeyOutcome outcome = RunKeys({}, steps);
  std::string html = "<span class=\"touches\">";
  for (const KeyStep& step : steps) html += "<kbd>" + EscapeHtml(step.label) + "</kbd> ";
  return html + "→ " + OutcomeHtml(outcome) + "</span>";
}

}  // namespace

std::string OutcomeHtml(const KeyOutcome& outcome) {
  if (!outcome.errorBox.empty()) {
    return "boîte d'erreur « " + EscapeHtml(outcome.errorBox) + " »";
  }
  // The blanks keep a trailing separator ("70,") apart from the sentence's punctuation.
  return std::string("<span class=\"") + (outcome.red ? "affichage erreur" : "affichage") +
         "\">&nbsp;" + EscapeHtml(outcome.display) + "&nbsp;</span>";
}

KeyStep StepForToken(std::string_view token) {
  if (IsNumber(token)) return TypeNumber(token);
  if (token.starts_with(kPaste)) {
    const std::string text(token.substr(kPaste.size()));
    return {"Coller « " + text + " »", {"paste=" + text}};
  }
  for (const auto& [name, key] : kChoices) {
    if (token == name) return {"« " + std::string(name) + " »", {std::string(key)}};
  }
  const auto& keys = Keypad();
  const auto byCaption = std::find_if(keys.begin(), keys.end(),
                                      [token](const KeyBinding& k) { return k.caption == token; });
  if (byCaption != keys.end()) return Press(token, byCaption->name);
  if (const KeyBinding* byName = FindKey(keys, token)) return Press(byName->caption, byName->name);
  throw std::invalid_argument("no key for \"" + std::string(token) + "\" in a key example");
}

std::string ExpandKeyExamples(std::string_view page) {
  std::string expanded;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = page.find(kOpen, at);
    if (open == std::string_view::npos) break;
    const std::size_t close = page.find(kClose, open);
    if (close == std::string_view::npos) throw std::invalid_argument("unterminated key example");
    expanded += page.substr(at, open - at);
    expanded += Render(page.substr(open + kOpen.size(), close - open - kOpen.size()));
    at = close + kClose.size();
  }
  expanded += page.substr(at);
  return expanded;
}

}  // namespace solvanex::helpcontent
