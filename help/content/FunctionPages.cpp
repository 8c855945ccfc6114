#include "FunctionPages.h"

#include "ConversionChemistry.h"
#include "DepartureNotes.h"
#include "HtmlText.h"
#include "KeyMarkup.h"
#include "PageParts.h"

#include <cctype>
#include <cmath>

namespace solvanex::helpcontent {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// "0,17 %" for 0.0017, without sign.
std::string Percent(double fraction) {
  return Fixed(std::fabs(fraction) * 100.0, 2) + " %";
}

std::string ConversionTitle(const ConversionRow& row) {
  return std::string(row.analyte) + " : " + std::string(row.conventionalUnit) + " ⇄ " +
         std::string(row.siUnit);
}

// How far the program's factor lies from the one of the molar mass, in words: the relative
// difference of the factor, and what it does to a result in each direction.
std::string FactorDeparture(const ConversionRow& row, double exact) {
  const double factor = static_cast<double>(row.factor);
  const double forward = factor / exact - 1.0;  // on a result in the SI unit
  const double reverse = exact / factor - 1.0;  // on a result in the conventional unit
  const std::string program = "Le facteur du programme, " + Number(row.factor) + ", ";
  if (Percent(forward) == "0,00 %") {
    return program +
           "est celui de la masse molaire à moins de 0,01 % près : l'arrondi ne "
           "change pas le résultat de façon sensible.";
  }
  const auto effect = [](double change) {
    return std::string(change > 0 ? "trop haut de " : "trop bas de ") + Percent(change);
  };
  return program + "est " + (forward > 0 ? "plus grand" : "plus petit") + " de " +
         Percent(forward) + " : une valeur convertie en " + EscapeHtml(row.siUnit) + " sort " +
         effect(forward) + ", une valeur convertie en " + EscapeHtml(row.conventionalUnit) +
         " sort " + effect(reverse) + ".";
}

std::string MolarMassSection(const ConversionRow& row) {
  const ConversionChemistry& chemistry = ChemistryOf(row);
  const double mass = MolarMass(chemistry.formula);
  const double exact = FactorFromMolarMass(row, mass);
  std::string html = "<h2 id=\"masse-molaire\">Le facteur et la masse molaire</h2>\n<p>";
  if (!chemistry.basis.empty()) html += EscapeHtml(chemistry.basis) + " ";
  html += "Masse molaire " + EscapeHtml(chemistry.substance) + " (" +
          EscapeHtml(chemistry.formula) + ") : " + Fixed(mass, 3) +
          " g/mol, d'après les masses atomiques standard de l'IUPAC. Un " +
          EscapeHtml(row.conventionalUnit) + " vaut donc " + Decimal(exact, 4) + " " +
          EscapeHtml(row.siUnit) + ".</p>\n<p>" + FactorDeparture(row, exact) + "</p>\n";
  if (!chemistry.otherSubstance.empty()) {
    const double otherMass = MolarMass(chemistry.otherFormula);
    const double otherFactor = FactorFromMolarMass(row, otherMass);
    const double factor = static_cast<double>(row.factor);
    const bool matchesMain =
        std::fabs(factor / exact - 1.0) <= std::fabs(factor / otherFactor - 1.0);
    html += "<p>Exprimée en " + EscapeHtml(chemistry.otherSubstance) + ", de formule " +
            EscapeHtml(chemistry.otherFormula) + " (" + Fixed(otherMass, 3) +
            " g/mol), la même quantité demanderait le facteur " + Decimal(otherFactor, 4) +
            ". Le facteur du programme est celui " +
            (matchesMain ? EscapeHtml(chemistry.substance) + " : une valeur exprimée en " +
                               EscapeHtml(chemistry.otherSubstance) +
                               " ne se convertit pas avec cette touche."
                         : "de cette autre forme.") +
            "</p>\n";
  }
  return html;
}

// The error boxes a key of the displayed number can open, keyed on the calculator.
std::string MessagesSection(std::string_view caption) {
  const std::string key(caption);
  return "<h2 id=\"messages\">Messages</h2>\n<p>Cette touche n'affiche aucun message en rouge et "
         "accepte toute valeur : zéro et les nombres négatifs donnent leur résultat. Elle peut "
         "ouvrir deux boîtes d'erreur, qui laissent l'affichage tel qu'il était :</p>\n<ul>\n"
         "<li>Le nombre affiché est un message d'erreur : {{touches 7 / 0 = " +
         key +
         "}}. Tapez un nombre, ou appuyez sur <kbd>CE</kbd>, avant la touche.</li>\n"
         "<li>Un nombre collé dépasse les limites des nombres de la calculatrice : "
         "{{touches coller:1E309 " +
         key + "}}.</li>\n</ul>\n";
}

}  // namespace

std::string ConversionPageName(const ConversionRow& row) {
  return "conversion-" + Lower(row.caption) + ".html";
}

std::string OneValuePageName(const OneValueRow& row) {
  return "fonction-" + Lower(row.caption) + ".html";
}

std::vector<WorkedExample> ConversionWorkedExamples(const ConversionRow& row) {
  const ConversionChemistry& chemistry = ChemistryOf(row);
  return {ConversionWorkedExample(row, 0, chemistry.conventionalExample),
          ConversionWorkedExample(row, 1, chemistry.internationalExample)};
}

std::string ConversionPage(const ConversionRow& row, const std::vector<WorkedExample>& examples) {
  const std::string factor = EscapeHtml(Number(row.factor));
  const std::string conventional = EscapeHtml(row.conventionalUnit);
  const std::string international = EscapeHtml(row.siUnit);
  std::string html =
      PageStart(std::string(row.analyte) + " (conversion " + std::string(row.caption) + ")",
                Link(kConversionsPage, "Conversions d'unités"));
  html += "<h1>" + Key(row.caption) + " " + EscapeHtml(ConversionTitle(row)) +
          "</h1>\n<p class=\"bulle\">Bulle d'aide du bouton : « " + EscapeHtml(row.hint) +
          " »</p>\n<p>Convertit un résultat (" + EscapeHtml(Lower(row.analyte)) +
          ") entre l'unité conventionnelle (" + conventional + ") et l'unité internationale (" +
          international +
          "). Un appui remplace le nombre affiché par la même quantité dans l'autre unité.</p>\n";

  html += "<h2>Les valeurs</h2>\n<table class=\"valeurs\">\n";
  html += Row("Nombre affiché (x)", EscapeHtml(row.analyte) + ", en " + conventional +
                                        " (« Ancien ») ou en " + international +
                                        " (« International »)");
  html += Row("Résultat", "La même quantité dans l'autre unité");
  html += Row("Choix lu",
              Link("choix.html", "Système d'unités") +
                  " : il dit dans quelle unité est le nombre affiché, au moment de l'appui");
  html += Row("Facteur", factor + " " + international + " pour 1 " + conventional);
  html += "</table>\n";

  html += "<h2>Calcul</h2>\n<p class=\"calcul\">« Ancien » (x en " + conventional + ") : x × " +
          factor + " donne des " + international + "<br>« International » (x en " + international +
          ") : x ÷ " + factor + " donne des " + conventional +
          "</p>\n<p>Le même facteur sert dans les deux sens : une valeur convertie puis "
          "reconvertie revient à elle-même, aux arrondis près. Le résultat s'affiche avec au "
          "plus 15 chiffres significatifs, sans autre arrondi.</p>\n";

  html += "<h2>Saisie</h2>\n<ol>\n<li>Choisissez « Ancien » si le nombre est en " + conventional +
          ", « International » s'il est en " + international +
          ".</li>\n<li>Tapez le nombre, ou gardez le résultat affiché.</li>\n<li>Appuyez sur " +
          Key(row.caption) +
          " : le nombre converti remplace l'affichage.</li>\n</ol>\n<p>Une opération en "
          "attente reste en attente : la valeur convertie peut servir de second nombre, "
          "{{touches Ancien 12 + 1 " +
          std::string(row.caption) + " =}}. Appuyer deux fois sur " + Key(row.caption) +
          " convertit deux fois.</p>\n";

  html += "<h2 id=\"exemple\">Exemples</h2>\n" + ExampleTable(examples);
  html += MolarMassSection(row);
  html += MessagesSection(row.caption);
  return ExpandKeyExamples(html + PageEnd());
}

std::string ConversionsPage(std::span<const ConversionRow> rows) {
  std::string html = PageStart("Conversions d'unités", "");
  html +=
      "<h1>Conversions d'unités</h1>\n"
      "<p>Les neuf boutons roses convertissent le nombre affiché entre l'unité "
      "conventionnelle et l'unité internationale. Le choix " +
      Link("choix.html", "« Ancien » ou « International »") +
      " dit dans quelle unité est le nombre affiché : avec « Ancien », le nombre est "
      "multiplié par le facteur ; avec « International », il est divisé par ce même facteur. "
      "Le résultat remplace l'affichage ; une opération en attente reste en attente, si bien "
      "que la valeur convertie peut servir de second nombre.</p>\n"
      "<p>Les facteurs sont des constantes décimales courtes, utilisées telles quelles. La "
      "dernière colonne dit de combien chacune s'écarte du facteur calculé à partir de la "
      "masse molaire.</p>\n"
      "<table class=\"liste\">\n<tr><th>Touche</th><th>Analyse</th><th>Unité « Ancien »</th>"
      "<th>Unité « International »</th><th>Facteur</th><th>Facteur de la masse molaire</th>"
      "<th>Écart</th></tr>\n";
  for (const ConversionRow& row : rows) {
    const double exact = FactorFromMolarMass(row, MolarMass(ChemistryOf(row).formula));
    const double departure = static_cast<double>(row.factor) / exact - 1.0;
    html += "<tr><td>" + Key(row.caption) + "</td><td>" +
            Link(ConversionPageName(row), row.analyte) + "</td><td>" +
            EscapeHtml(row.conventionalUnit) + "</td><td>" + EscapeHtml(row.siUnit) + "</td><td>" +
            EscapeHtml(Number(row.factor)) + "</td><td>" + Decimal(exact, 4) + "</td><td>" +
            (departure < 0 ? "−" : "+") + Percent(departure) + "</td></tr>\n";
  }
  html +=
      "</table>\n<p>Aucune valeur n'est refusée : zéro et les nombres négatifs se convertissent "
      "comme les autres. Le nombre affiché doit être un nombre : sur un message d'erreur, "
      "une conversion ouvre la boîte d'erreur de conversion.</p>\n";
  return html + PageEnd();
}

std::string OneValueFunctionPage(const OneValueRow& row,
                                 const std::vector<WorkedExample>& examples) {
  std::string html = PageStart(std::string(row.caption) + " — " + std::string(row.result),
                               Link(kOneValuePage, "Fonctions à une valeur"));
  // The examples differ by sex only when the function reads it.
  const bool readsSex = examples.size() > 1;
  html += "<h1>" + Key(row.caption) + " " + EscapeHtml(row.result) +
          "</h1>\n<p class=\"bulle\">Bulle d'aide du bouton : « " + EscapeHtml(row.hint) +
          " »</p>\n<p>Remplace le nombre affiché par une estimation clinique, en un seul "
          "appui.</p>\n";
  html += "<h2>Les valeurs</h2>\n<table class=\"valeurs\">\n";
  html += Row("Nombre affiché (x)", EscapeHtml(row.input));
  html += Row("Résultat", EscapeHtml(row.result));
  html += Row("Choix lu", readsSex ? Link("choix.html", "Sexe") +
                                         " : « Homme » ou « Femme », au moment de l'appui"
                                   : std::string("aucun : le résultat ne dépend pas des choix"));
  html += "</table>\n";
  html += DepartureNoticeHtml(row.caption, row.caution);
  html += "<h2>Calcul</h2>\n<p class=\"calcul\">" + LinesToHtml(row.expression) + "</p>\n";
  html += "<h2>Saisie</h2>\n<ol>\n";
  if (readsSex) html += "<li>Vérifiez le choix « Homme » ou « Femme ».</li>\n";
  html += "<li>Tapez la valeur x, ou gardez le résultat affiché.</li>\n<li>Appuyez sur " +
          Key(row.caption) +
          " : le résultat remplace l'affichage.</li>\n</ol>\n<p>Une opération en attente "
          "reste en attente : le résultat peut servir de second nombre, {{touches Homme 10 + " +
          (examples.empty() ? std::string("100") : examples.front().steps.front().label) + " " +
          std::string(row.caption) + " =}}.</p>\n";
  html += "<h2 id=\"exemple\">Exemple" + std::string(examples.size() > 1 ? "s" : "") + "</h2>\n" +
          ExampleTable(examples);
  html += "<h2>Référence</h2>\n<p>" + LinesToHtml(row.reference) + "</p>\n" +
          DepartureSummaryHtml(row.caption);
  if (!row.note.empty()) html += "<h2>Remarque</h2>\n<p>" + LinesToHtml(row.note) + "</p>\n";
  html += MessagesSection(row.caption);
  return ExpandKeyExamples(html + PageEnd());
}

std::string OneValuePage(std::span<const OneValueRow> rows) {
  std::string html = PageStart("Fonctions à une valeur", "");
  html +=
      "<h1>Fonctions à une valeur</h1>\n"
      "<p>Ces boutons roses remplacent le nombre affiché par une estimation clinique, en un "
      "seul appui. Une opération en attente reste en attente. Aucune valeur n'est vérifiée : "
      "zéro et les valeurs négatives donnent leur résultat arithmétique.</p>\n"
      "<table class=\"liste\">\n<tr><th>Touche</th><th>Résultat</th><th>Nombre affiché</th>"
      "<th>Bulle d'aide</th></tr>\n";
  for (const OneValueRow& row : rows) {
    html += "<tr><td>" + Key(row.caption) + "</td><td>" + Link(OneValuePageName(row), row.result) +
            "</td><td>" + EscapeHtml(row.input) + "</td><td>" + EscapeHtml(row.hint) +
            "</td></tr>\n";
  }
  return html + "</table>\n" + PageEnd();
}

std::string ConversionContentsItems(std::span<const ConversionRow> rows) {
  std::string items;
  for (const ConversionRow& row : rows) {
    items +=
        ItemHtml(std::string(row.caption) + " — " + ConversionTitle(row), ConversionPageName(row));
  }
  return items;
}

std::string OneValueContentsItems(std::span<const OneValueRow> rows) {
  std::string items;
  for (const OneValueRow& row : rows) {
    items +=
        ItemHtml(std::string(row.caption) + " — " + std::string(row.result), OneValuePageName(row));
  }
  return items;
}

}  // namespace solvanex::helpcontent
