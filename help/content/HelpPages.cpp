#include "HelpPages.h"

#include "FunctionPages.h"

#include "DepartureNotes.h"
#include "HtmlText.h"
#include "KeyMarkup.h"
#include "PageParts.h"
#include "calculator/NumberText.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace solvanex::helpcontent {

namespace {

std::string FormulaName(const FormulaRow& row) {
  return std::string(1, row.letter) + " — " + std::string(row.title);
}

// The messages with the condition that shows each, line by line.
std::string MessageTable(const FormulaRow& row) {
  const std::vector<std::string_view> messages = SplitLines(row.messages);
  if (messages.empty()) {
    return "<p>Cette formule ne vérifie pas ses valeurs et n'affiche aucun message.</p>\n";
  }
  const std::vector<std::string_view> conditions = SplitLines(row.conditions);
  std::string html =
      "<table class=\"messages\">\n<tr><th>Message affiché en rouge</th><th>Quand</th></tr>\n";
  for (std::size_t i = 0; i < messages.size(); ++i) {
    html += "<tr><td class=\"erreur\">" + EscapeHtml(messages[i]) + "</td><td>" +
            (i < conditions.size() ? EscapeHtml(conditions[i]) : std::string()) + "</td></tr>\n";
  }
  return html +
         "</table>\n<p>Les tests se font dans l'ordre du tableau ; le premier qui échoue "
         "donne son message. Après un message, tapez une nouvelle valeur y puis "
         "<kbd>=</kbd> : la même formule est refaite avec le même x.</p>\n";
}

}  // namespace

std::string FormulaPageName(char letter) {
  return "formule-" +
         std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter)))) +
         ".html";
}

std::string FormulaPage(const FormulaRow& row, const std::vector<WorkedExample>& examples) {
  const std::string letter(1, row.letter);
  std::string html = PageStart(FormulaName(row), Link(kFormulaListPage, "Formules cliniques"));
  html += "<h1><kbd class=\"formule\">" + EscapeHtml(letter) + "</kbd> " + EscapeHtml(row.title) +
          "</h1>\n<p class=\"bulle\">Bulle d'aide du bouton : « " + EscapeHtml(row.hint) +
          " »</p>\n";

  html += "<h2>Les valeurs</h2>\n<table class=\"valeurs\">\n";
  html += Row("Premier nombre (x)", EscapeHtml(row.x));
  html += Row("Second nombre (y)", EscapeHtml(row.y));
  html += Row("Mémoire (m)", row.m.empty() ? "non utilisée" : EscapeHtml(row.m));
  html += Row("Choix lus", row.choices.empty() ? "aucun" : EscapeHtml(row.choices));
  html += Row("Résultat", EscapeHtml(row.result));
  html += "</table>\n";

  html += "<h2>Saisie</h2>\n<ol>\n";
  if (!row.m.empty()) {
    html += "<li>Tapez la valeur m puis appuyez sur " + Key("MS") +
            " pour la mettre en "
            "mémoire.</li>\n";
  }
  if (!row.choices.empty())
    html += "<li>Vérifiez les choix : " + EscapeHtml(row.choices) + ".</li>\n";
  html += "<li>Tapez x puis appuyez sur " + Key(letter) + ".</li>\n<li>Tapez y puis appuyez sur " +
          Key("=") +
          " : le résultat remplace l'affichage.</li>\n</ol>\n"
          "<p>Les choix et la mémoire sont lus au moment où vous appuyez sur " +
          Key("=") + ".</p>\n";

  html += DepartureNoticeHtml(letter, row.caution);
  html += "<h2>Calcul</h2>\n<p class=\"calcul\">" + LinesToHtml(row.expression) + "</p>\n";
  html += "<h2>Messages</h2>\n" + MessageTable(row);
  if (!row.faults.empty()) {
    html += "<h2>Boîtes d'erreur</h2>\n<p>" + LinesToHtml(row.faults) + "</p>\n";
  }
  if (!examples.empty()) {
    html += "<h2 id=\"exemple\">Exemple" + std::string(examples.size() > 1 ? "s" : "") + "</h2>\n" +
            ExampleTable(examples);
  }
  html += "<h2>Référence</h2>\n<p>" + LinesToHtml(row.reference) + "</p>\n" +
          DepartureSummaryHtml(letter);
  if (!row.note.empty()) html += "<h2>Remarque</h2>\n<p>" + LinesToHtml(row.note) + "</p>\n";
  return ExpandKeyExamples(html + PageEnd());
}

std::string FormulaListPage(std::span<const FormulaRow> rows) {
  std::vector<std::string> memoryKeys;
  for (const FormulaRow& row : rows) {
    if (!row.m.empty()) memoryKeys.push_back(Key(std::string(1, row.letter)));
  }
  std::string html = PageStart("Formules cliniques", "");
  html +=
      "<h1>Formules cliniques</h1>\n"
      "<p>Une formule se tape comme une opération : la première valeur, la lettre de la "
      "formule, la seconde valeur, puis " +
      Key("=") +
      ". Il n'y a pas de priorité : une "
      "opération en attente est d'abord terminée, et son résultat devient la première "
      "valeur de la formule.</p>\n";
  if (!memoryKeys.empty()) {
    html += "<p>Les formules " + Join(memoryKeys, ", ") +
            " prennent une troisième valeur "
            "dans la " +
            Link("memoire.html", "mémoire") + " : tapez-la et appuyez sur " + Key("MS") +
            " avant de commencer.</p>\n";
  }
  html +=
      "<table class=\"liste\">\n<tr><th>Touche</th><th>Formule</th><th>x</th><th>y</th>"
      "<th>Mémoire</th></tr>\n";
  for (const FormulaRow& row : rows) {
    html += "<tr><td>" + Key(std::string(1, row.letter)) + "</td><td>" +
            Link(FormulaPageName(row.letter), row.title) + "</td><td>" + EscapeHtml(row.x) +
            "</td><td>" + EscapeHtml(row.y) + "</td><td>" +
            (row.m.empty() ? std::string("—") : EscapeHtml(row.m)) + "</td></tr>\n";
  }
  return html + "</table>\n" + PageEnd();
}

std::string FormulaLinks(std::span<const FormulaRow> rows) {
  std::string html;
  for (const FormulaRow& row : rows) {
    html += "<li>" + Key(std::string(1, row.letter)) + " " +
            Link(FormulaPageName(row.letter), row.title) + "</li>\n";
  }
  return html;
}

std::string FormulaContentsItems(std::span<const FormulaRow> rows) {
  std::string items;
  for (const FormulaRow& row : rows) {
    items += ItemHtml(FormulaName(row), FormulaPageName(row.letter));
  }
  return items;
}

std::string IndexItems(std::span<const FormulaRow> formulas,
                       std::span<const ConversionRow> conversions,
                       std::span<const OneValueRow> oneValueFunctions) {
  std::string items;
  for (const FormulaRow& row : formulas) {
    items += ItemHtml(row.title, FormulaPageName(row.letter));
    items += ItemHtml("Touche " + std::string(1, row.letter), FormulaPageName(row.letter));
  }
  for (const ConversionRow& row : conversions) {
    items += ItemHtml(std::string(row.analyte) + " (conversion)", ConversionPageName(row));
    items += ItemHtml("Touche " + std::string(row.caption), ConversionPageName(row));
  }
  for (const OneValueRow& row : oneValueFunctions) {
    items += ItemHtml(row.result, OneValuePageName(row));
    items += ItemHtml("Touche " + std::string(row.caption), OneValuePageName(row));
  }
  return items;
}

std::string GeneratedFiles(std::span<const FormulaRow> formulas,
                           std::span<const ConversionRow> conversions,
                           std::span<const OneValueRow> oneValueFunctions) {
  std::string files = std::string(kFormulaListPage) + "\n" + std::string(kConversionsPage) + "\n" +
                      std::string(kOneValuePage) + "\n";
  for (const FormulaRow& row : formulas) files += FormulaPageName(row.letter) + "\n";
  for (const ConversionRow& row : conversions) files += ConversionPageName(row) + "\n";
  for (const OneValueRow& row : oneValueFunctions) files += OneValuePageName(row) + "\n";
  return files;
}

std::string FormulaMessageRows(std::span<const FormulaRow> rows) {
  // In order of first appearance, as the formulas come on the keypad.
  std::vector<std::pair<std::string_view, std::vector<std::string>>> messages;
  for (const FormulaRow& row : rows) {
    for (const std::string_view message : SplitLines(row.messages)) {
      auto it = std::find_if(messages.begin(), messages.end(),
                             [message](const auto& entry) { return entry.first == message; });
      if (it == messages.end()) it = messages.insert(messages.end(), {message, {}});
      it->second.push_back(Link(FormulaPageName(row.letter), std::string(1, row.letter)));
    }
  }
  std::string html;
  for (const auto& [message, links] : messages) {
    html += "<tr><td class=\"erreur\">" + EscapeHtml(message) + "</td><td>" + Join(links, ", ") +
            "</td></tr>\n";
  }
  return html;
}

std::string FillTemplate(std::string text, std::string_view placeholder,
                         std::string_view replacement) {
  const auto at = text.find(placeholder);
  if (at == std::string::npos) {
    throw std::runtime_error("placeholder " + std::string(placeholder) + " missing");
  }
  return text.replace(at, placeholder.size(), replacement);
}

}  // namespace solvanex::helpcontent
