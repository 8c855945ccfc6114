#include "PageParts.h"

#include "HtmlText.h"
#include "KeyMarkup.h"
#include "calculator/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace solvanex::helpcontent {

std::string PageStart(std::string_view title, std::string_view trailHtml) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n"
      // The form that the HTML engine of Windows' help viewer honours in its legacy modes too.
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<title>" +
      EscapeHtml(title) +
      "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">\n</head>\n" +
      "<body>\n<p class=\"chemin\"><a href=\"index.html\">Sommaire</a>";
  if (!trailHtml.empty()) html += " › " + std::string(trailHtml);
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
    html += "<tr class=\"exemple\">" + ExampleCells(example) + "</tr>\n";
  }
  return html + "</table>\n";
}

std::string ItemHtml(std::string_view name, std::string_view local) {
  return "<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"" +
         EscapeSitemapValue(name) + "\">\n<param name=\"Local\" value=\"" +
         EscapeSitemapValue(local) + "\">\n</OBJECT>\n";
}

std::string Number(long double value) {
  return FormatResult(static_cast<double>(value), ',');
}

std::string Decimal(double value, int digits) {
  // Decimals enough for `digits` significant digits, never an exponent.
  const int magnitude =
      value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return Fixed(value, std::max(0, digits - 1 - magnitude));
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text(buffer);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

}  // namespace solvanex::helpcontent
