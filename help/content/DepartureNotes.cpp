#include "DepartureNotes.h"

#include "HtmlText.h"
#include "PageParts.h"

#include <cctype>
#include <cmath>
#include <vector>

namespace solvanex::helpcontent {

namespace {

bool Large(const Departure& departure) {
  return std::fabs(departure.percent) >= kNoticeThresholdPercent;
}

std::string Sentences(const std::vector<Departure>& departures) {
  std::vector<std::string> sentences;
  for (const Departure& departure : departures) {
    sentences.push_back(EscapeHtml(DepartureSentence(departure)));
  }
  return Join(sentences, " ");
}

}  // namespace

std::string DepartureSentence(const Departure& departure) {
  std::string sentence(departure.whom);
  sentence += sentence.empty() ? "Le résultat est " : ", le résultat est ";
  // The groups open in lower case ("pour une femme", "en « Ancien »").
  sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
  if (!departure.over.empty()) sentence += "jusqu'à ";
  sentence += Decimal(std::fabs(departure.percent), 2) + " % " +
              (departure.percent > 0 ? "plus élevé" : "plus bas") + " que selon " +
              std::string(departure.published);
  if (!departure.over.empty()) sentence += " (" + std::string(departure.over) + ")";
  return sentence + ".";
}

std::string DepartureNoticeHtml(std::string_view key, std::string_view caution) {
  std::vector<Departure> large;
  for (const Departure& departure : DeparturesOf(key)) {
    if (Large(departure)) large.push_back(departure);
  }
  if (large.empty() && caution.empty()) return {};
  std::string html = "<div class=\"ecart\">\n";
  if (!large.empty()) {
    html += "<p><strong>Écart avec la formule publiée.</strong> " + Sentences(large) + "</p>\n";
  }
  if (!caution.empty()) {
    html += "<p><strong>Attention.</strong> " + LinesToHtml(caution) + "</p>\n";
  }
  return html + "</div>\n";
}

std::string DepartureSummaryHtml(std::string_view key) {
  const std::vector<Departure> all = DeparturesOf(key);
  if (all.empty()) return "<p>Le programme suit la formule publiée, sans écart.</p>\n";
  std::vector<Departure> small;
  for (const Departure& departure : all) {
    if (!Large(departure)) small.push_back(departure);
  }
  if (small.empty()) return {};
  return "<p>Écart de moins de 1 % avec la formule publiée. " + Sentences(small) + "</p>\n";
}

}  // namespace solvanex::helpcontent
