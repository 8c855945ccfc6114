#include "HelpPages.h"

#include "HtmlText.h"
#include "KeyMarkup.h"
#include "calculator/NumberText.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace solvanex::helpcontent {

namespace {

// The pages share their head and the way back to the contents page.
std::string PageStart(std::string_view title, std::string_view trail) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      EscapeHtml(title) +
      "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">\n</head>\n" +
      "<body>\n<p class=\"chemin\"><a href=\"index.html\">Sommaire</a>";
  if (!trail.empty()) html += " › " + std::string(trail);
  return html + "</p>\n";
}

std::string PageEnd() {
  return "</body>\n</html>\n";
}

std::string Link(std::string_view page, std::string_view text) {
  return "<a href=\"" + EscapeHtml(page) + "\">" + EscapeHtml(text) + "</a>";
}

std::string Key(std::string_view label) {
  return "<kbd>" + EscapeHtml(label) + "</kbd>";
}

std::string Row(std::string_view heading, const std::string& cellHtml) {
  return "<tr><th>" + EscapeHtml(heading) + "</th><td>" + cellHtml + "</td></tr>\n";
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

// The cells of an example: the choices set first, the keys, what shows.
std::string ExampleCells(const WorkedExample& example) {
  std::vector<std::string> keys;
  for (const KeyStep& step : example.steps) keys.push_back(Key(step.label));
  return "<td>" +
         (example.choiceLabels.empty() ? std::string("—")
                                       : EscapeHtml(Join(example.choiceLabels, ", "))) +
         "</td><td>" + Join(keys, " ") + "</td><td>" + OutcomeHtml(example.outcome) + "</td>";
}

std::string ExampleTable(const std::vector<WorkedExample>& examples) {
  std::string html =
      "<table class=\"exemples\">\n<tr><th>Choix</th><th>Touches</th><th>Affichage</th></tr>\n";
  for (const WorkedExample& example : examples) {
    html += "<tr>" + ExampleCells(example) + "</tr>\n";
  }
  return html + "</table>\n";
}

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

std::string ItemHtml(std::string_view name, std::string_view local) {
  return "<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"" + EscapeHtml(name) +
         "\">\n<param name=\"Local\" value=\"" + EscapeHtml(local) + "\">\n</OBJECT>\n";
}

std::string Number(long double value) {
  return FormatResult(static_cast<double>(value), ',');
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

  html += "<h2>Calcul</h2>\n<p class=\"calcul\">" + LinesToHtml(row.expression) + "</p>\n";
  html += "<h2>Messages</h2>\n" + MessageTable(row);
  if (!row.faults.empty()) {
    html += "<h2>Boîtes d'erreur</h2>\n<p>" + LinesToHtml(row.faults) + "</p>\n";
  }
  if (!examples.empty()) {
    html += "<h2 id=\"exemple\">Exemple" + std::string(examples.size() > 1 ? "s" : "") + "</h2>\n" +
            ExampleTable(examples);
  }
  html += "<h2>Référence</h2>\n<p>" + LinesToHtml(row.reference) + "</p>\n";
  if (!row.note.empty()) html += "<h2>Remarque</h2>\n<p>" + LinesToHtml(row.note) + "</p>\n";
  return html + PageEnd();
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

std::string ConversionsPage(std::span<const ConversionRow> rows,
                            const std::vector<ConversionExamples>& examples) {
  std::string html = PageStart("Conversions d'unités", "");
  html +=
      "<h1>Conversions d'unités</h1>\n"
      "<p>Les neuf boutons roses convertissent le nombre affiché entre l'unité "
      "conventionnelle et l'unité internationale. Le choix " +
      Link("choix.html",
           "« Ancien » "
           "ou « International »") +
      " dit dans quelle unité est le nombre affiché : avec "
      "« Ancien », le nombre est multiplié par le facteur ; avec « International », il est "
      "divisé par ce même facteur. Le résultat remplace l'affichage ; une opération en "
      "attente reste en attente, si bien que la valeur convertie peut servir de second "
      "nombre.</p>\n"
      "<table class=\"liste\">\n<tr><th>Touche</th><th>Analyse</th><th>Unité « Ancien »</th>"
      "<th>Unité « International »</th><th>Facteur</th><th>Bulle d'aide</th></tr>\n";
  for (const ConversionRow& row : rows) {
    html += "<tr><td>" + Key(row.caption) + "</td><td>" + EscapeHtml(row.analyte) + "</td><td>" +
            EscapeHtml(row.conventionalUnit) + "</td><td>" + EscapeHtml(row.siUnit) + "</td><td>" +
            EscapeHtml(Number(row.factor)) + "</td><td>" + EscapeHtml(row.hint) + "</td></tr>\n";
  }
  html +=
      "</table>\n<h2 id=\"exemples\">Exemples</h2>\n"
      "<table class=\"exemples\">\n<tr><th>Analyse</th><th>Choix</th><th>Touches</th>"
      "<th>Affichage</th></tr>\n";
  for (std::size_t i = 0; i < rows.size() && i < examples.size(); ++i) {
    for (const WorkedExample* example :
         {&examples[i].toInternational, &examples[i].toConventional}) {
      html +=
          "<tr><td>" + EscapeHtml(rows[i].analyte) + "</td>" + ExampleCells(*example) + "</tr>\n";
    }
  }
  html +=
      "</table>\n<p>Aucune valeur n'est refusée : zéro et les nombres négatifs se convertissent "
      "comme les autres. Le nombre affiché doit être un nombre : sur un message d'erreur, "
      "une conversion ouvre la boîte d'erreur de conversion.</p>\n";
  return html + PageEnd();
}

std::string OneValuePage(std::span<const OneValueRow> rows,
                         const std::vector<std::vector<WorkedExample>>& examples) {
  std::string html = PageStart("Fonctions à une valeur", "");
  html +=
      "<h1>Fonctions à une valeur</h1>\n"
      "<p>Ces boutons roses remplacent le nombre affiché par une estimation clinique, en un "
      "seul appui. Une opération en attente reste en attente. Aucune valeur n'est vérifiée : "
      "zéro et les valeurs négatives donnent leur résultat arithmétique.</p>\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const OneValueRow& row = rows[i];
    html += "<h2 id=\"" + EscapeHtml(row.button) + "\">" + Key(row.caption) + " " +
            EscapeHtml(row.result) + "</h2>\n<table class=\"valeurs\">\n";
    html += Row("Bulle d'aide", "« " + EscapeHtml(row.hint) + " »");
    html += Row("Nombre affiché (x)", EscapeHtml(row.input));
    html += Row("Résultat", EscapeHtml(row.result));
    html += Row("Calcul", LinesToHtml(row.expression));
    html += Row("Référence", LinesToHtml(row.reference));
    if (!row.note.empty()) html += Row("Remarque", LinesToHtml(row.note));
    html += "</table>\n";
    if (i < examples.size()) html += ExampleTable(examples[i]);
  }
  return html + PageEnd();
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
    items += ItemHtml(std::string(row.analyte) + " (conversion)", kConversionsPage);
    items += ItemHtml("Touche " + std::string(row.caption), kConversionsPage);
  }
  for (const OneValueRow& row : oneValueFunctions) {
    items += ItemHtml(row.result, std::string(kOneValuePage) + "#" + std::string(row.button));
    items += ItemHtml("Touche " + std::string(row.caption),
                      std::string(kOneValuePage) + "#" + std::string(row.button));
  }
  return items;
}

std::string GeneratedFiles(std::span<const FormulaRow> rows) {
  std::string files = std::string(kFormulaListPage) + "\n" + std::string(kConversionsPage) + "\n" +
                      std::string(kOneValuePage) + "\n";
  for (const FormulaRow& row : rows) files += FormulaPageName(row.letter) + "\n";
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
