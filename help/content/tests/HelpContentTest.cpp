// The help pages written from the clinical catalogue, and the compiled help file.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChmArchive.h"
#include "FormulaExamples.h"
#include "HelpBook.h"
#include "HelpPages.h"
#include "HtmlText.h"
#include "KeyMarkup.h"
#include "WorkedExamples.h"
#include "calculator/NumberText.h"
#include "clinical/Catalogue.h"
#include "clinical/Formulas.h"

namespace solvanex::helpcontent {
namespace {

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

TEST(HtmlText, EscapesMarkupCharactersOnly) {
  const struct {
    std::string_view text;
    std::string_view escaped;
  } rows[] = {
      {"m ≤ 0 ou m > 4", "m ≤ 0 ou m &gt; 4"},
      {"<script>", "&lt;script&gt;"},
      {"Friedewald, Levy & Fredrickson", "Friedewald, Levy &amp; Fredrickson"},
      {"« Ancien » l'unité \"SI\"", "« Ancien » l&#39;unité &quot;SI&quot;"},
      {"&amp;", "&amp;amp;"},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(EscapeHtml(row.text), row.escaped) << row.text;
}

// A row whose every field carries characters that HTML must not take as markup.
FormulaRow MarkupRow() {
  FormulaRow row{};
  row.letter = 'Z';
  row.button = "Zed";
  row.hint = "Calcul <test> & \"essai\".";
  row.title = "Titre <b>gras</b> & co";
  row.x = "x < 10 kg";
  row.y = "y > 2 m";
  row.m = "m & âge";
  row.choices = "« Ancien » <ou> « International »";
  row.result = "r = x/y <mmol/L>";
  row.expression = "« Ancien » : x < y\n« International » : x > y & z";
  row.messages = "Erreur : <un> !\nErreur : deux & trois...";
  row.reference = "Auteur & Autre <1999>";
  row.note = "Note 'citée' <ici>";
  row.conditions = "m < 0\nm > 4";
  row.faults = "y = 0 : « Division <zéro> »";
  return row;
}

TEST(FormulaPage, CarriesEveryFieldEscaped) {
  const FormulaRow row = MarkupRow();
  const std::string page = FormulaPage(row, {});
  const std::string_view fields[] = {row.hint,     row.title,     row.x,      row.y,
                                     row.m,        row.choices,   row.result, row.expression,
                                     row.messages, row.reference, row.note,   row.conditions,
                                     row.faults};
  for (const std::string_view field : fields) {
    for (const std::string_view line : SplitLines(field)) {
      EXPECT_TRUE(Contains(page, EscapeHtml(line))) << line;
      // The raw line never reaches the page where it holds markup characters.
      if (EscapeHtml(line) != line) {
        EXPECT_FALSE(Contains(page, line)) << line;
      }
    }
  }
  EXPECT_TRUE(Contains(page, "<meta charset=\"utf-8\">"));
  EXPECT_TRUE(Contains(page, "<kbd>MS</kbd>"));  // the memory step, since m is used
}

TEST(FormulaPage, ShowsTheKeyedOutcomes) {
  const FormulaRow row = MarkupRow();
  WorkedExample result{{"« Femme »"},
                       {Press("7", "SpeedButton7"), Press("=", "Egal")},
                       {"22,8571428571429", false, ""}};
  WorkedExample message{{}, {Press("=", "Egal")}, {"Erreur : <rouge> !", true, ""}};
  WorkedExample box{{}, {Press("=", "Egal")}, {"x", false, "'a<b' n'est pas une valeur."}};
  const std::string page = FormulaPage(row, {result, message, box});
  EXPECT_TRUE(Contains(page, "<span class=\"affichage\">&nbsp;22,8571428571429&nbsp;</span>"));
  EXPECT_TRUE(Contains(
      page, "<span class=\"affichage erreur\">&nbsp;Erreur : &lt;rouge&gt; !&nbsp;</span>"));
  EXPECT_TRUE(Contains(page, "boîte d'erreur « &#39;a&lt;b&#39; n&#39;est pas une valeur. »"));
  EXPECT_TRUE(Contains(page, "<td>« Femme »</td><td><kbd>7</kbd> <kbd>=</kbd></td>"));
  EXPECT_TRUE(Contains(page, "Exemples"));
}

TEST(Templates, FailWithoutTheirPlaceholder) {
  EXPECT_EQ(FillTemplate("a <!-- @X@ --> b", "<!-- @X@ -->", "<li>"), "a <li> b");
  EXPECT_THROW(FillTemplate("a b", "<!-- @X@ -->", "<li>"), std::runtime_error);
}

// The letters that have examples are exactly the catalogue's letters.
TEST(WorkedExamples, CoverEveryFormulaAndNoOther) {
  std::set<char> catalogue;
  for (const FormulaRow& row : FormulaTable()) catalogue.insert(row.letter);
  std::set<char> examples;
  for (const FormulaExample& example : FormulaExamples()) examples.insert(example.letter);
  EXPECT_EQ(examples, catalogue);
}

// Each keyed example shows what the formula gives when evaluated directly with the same
// values: the key sequence reaches the right button, memory and choices.
TEST(WorkedExamples, KeyedResultIsTheFormulasOwn) {
  for (const FormulaRow& row : FormulaTable()) {
    const std::vector<WorkedExample> keyed = FormulaWorkedExamples(row);
    std::size_t index = 0;
    for (const FormulaExample& input : FormulaExamples()) {
      if (input.letter != row.letter) continue;
      ASSERT_LT(index, keyed.size());
      const KeyOutcome& outcome = keyed[index++].outcome;
      SCOPED_TRACE(std::string(1, row.letter) + " " + std::string(input.x) + " " +
                   std::string(input.y));
      // The memory holds the display text that MS saw: the typed number with its separator.
      std::string memory(input.m);
      if (!memory.empty() && memory.find(',') == std::string::npos) memory += ',';
      const FormulaArguments arguments{
          ParseNumber(input.x, ','),    ParseNumber(input.y, ','), memory,
          input.unitSystem.value_or(0), input.sex.value_or(0),     ','};
      const FormulaOutcome direct = row.evaluate(arguments);
      EXPECT_TRUE(outcome.errorBox.empty()) << outcome.errorBox;
      if (direct.value) {
        EXPECT_EQ(outcome.display, FormatResult(*direct.value, ','));
        EXPECT_FALSE(outcome.red);
      } else {
        EXPECT_EQ(outcome.display, direct.message);
        EXPECT_TRUE(outcome.red);
      }
    }
  }
}

TEST(WorkedExamples, ConversionsGoBothWays) {
  for (const ConversionRow& row : ConversionTable()) {
    SCOPED_TRACE(std::string(row.caption));
    const KeyOutcome forward = ConversionWorkedExample(row, 0, "1").outcome;
    const KeyOutcome back = ConversionWorkedExample(row, 1, "1").outcome;
    EXPECT_EQ(forward.display, FormatResult(static_cast<double>(row.factor), ','));
    EXPECT_EQ(back.display, FormatResult(static_cast<double>(1.0L / row.factor), ','));
  }
}

TEST(WorkedExamples, OneValueExamplesSplitBySexOnlyWhenItMatters) {
  for (const OneValueRow& row : OneValueTable()) {
    const std::vector<WorkedExample> examples = OneValueWorkedExamples(row);
    const double x = ParseNumber(examples.at(0).steps.at(0).label, ',');
    const auto male = row.compute(x, Choices{0, 0});
    const auto female = row.compute(x, Choices{0, 1});
    ASSERT_TRUE(male && female);
    const bool differ = FormatResult(static_cast<double>(*male), ',') !=
                        FormatResult(static_cast<double>(*female), ',');
    ASSERT_EQ(examples.size(), differ ? 2u : 1u) << row.caption;
    EXPECT_EQ(examples[0].outcome.display, FormatResult(static_cast<double>(*male), ','));
    if (differ) {
      EXPECT_EQ(examples[1].outcome.display, FormatResult(static_cast<double>(*female), ','));
    }
  }
}

TEST(KeyMarkup, TokensNameKeys) {
  const struct {
    std::string_view token;
    std::string_view label;
    std::vector<std::string> controls;
  } rows[] = {
      {"1,75", "1,75", {"SpeedButton1", "Virgule", "SpeedButton7", "SpeedButton5"}},
      {"-2", "-2", {"SpeedButton2", "bSigne"}},
      {",", ",", {"Virgule"}},
      {"-", "-", {"Soustraction"}},
      {"+/-", "+/-", {"bSigne"}},
      {"M+", "M+", {"MP"}},
      {"Retour", "Retour arrière", {"Retour"}},
      {"P", "P", {"IMC"}},
      {"GLY", "GLY", {"Glycemie"}},
      {"Femme", "« Femme »", {"RadioGroup2=1"}},
      {"International", "« International »", {"RadioGroup1=1"}},
      {"coller:3,14", "Coller « 3,14 »", {"paste=3,14"}},
  };
  for (const auto& row : rows) {
    const KeyStep step = StepForToken(row.token);
    EXPECT_EQ(step.label, row.label) << row.token;
    EXPECT_EQ(step.controls, row.controls) << row.token;
  }
  for (const std::string_view unknown : {"XYZ", "1.5", "Entrée", "+-"}) {
    EXPECT_THROW(StepForToken(unknown), std::invalid_argument) << unknown;
  }
}

TEST(KeyMarkup, ExamplesAreKeyedInPlace) {
  const std::string page = ExpandKeyExamples("<p>Ainsi {{touches 2 + 3 * 4 =}}, et non 14.</p>");
  EXPECT_EQ(
      page,
      "<p>Ainsi <span class=\"touches\"><kbd>2</kbd> <kbd>+</kbd> <kbd>3</kbd> <kbd>*</kbd> "
      "<kbd>4</kbd> <kbd>=</kbd> → <span class=\"affichage\">&nbsp;20,&nbsp;</span></span>, et "
      "non "
      "14.</p>");
  EXPECT_TRUE(Contains(ExpandKeyExamples("{{touches 7 / 0 =}}"), "affichage erreur"));
  EXPECT_TRUE(Contains(ExpandKeyExamples("{{touches 5 M+}}"),
                       "boîte d'erreur « &#39;&#39; n&#39;est pas une valeur en virgule "
                       "flottante correcte. »"));
  EXPECT_EQ(ExpandKeyExamples("sans exemple"), "sans exemple");
  EXPECT_THROW(ExpandKeyExamples("{{touches 2 + 3"), std::invalid_argument);
  EXPECT_THROW(ExpandKeyExamples("{{touches }}"), std::invalid_argument);
}

// The compiled help file, as chmlib reads it.
class BuiltHelpFile : public ::testing::Test {
 protected:
  void SetUp() override {
    book_ = help::LoadHelpBook(QStringLiteral(SOLVANEX_HELP_FILE));
    ASSERT_TRUE(book_.has_value()) << SOLVANEX_HELP_FILE;
  }
  std::string Page(const QString& path) const {
    const auto data = book_->archive->Read(path);
    return data ? data->toStdString() : std::string();
  }
  std::optional<help::HelpBook> book_;
};

TEST_F(BuiltHelpFile, OpensOnTheContentsPage) {
  EXPECT_EQ(book_->title.toStdString(), "Aide de Solvanex");
  EXPECT_EQ(book_->defaultTopic.toStdString(), "/index.html");
  const std::string index = Page(QStringLiteral("/index.html"));
  EXPECT_TRUE(Contains(index, "<title>Sommaire de l'aide de Solvanex</title>"));
  for (const FormulaRow& row : FormulaTable()) {
    EXPECT_TRUE(Contains(index, "href=\"" + FormulaPageName(row.letter) + "\"")) << row.letter;
  }
}

TEST_F(BuiltHelpFile, HoldsOnePagePerFormulaListedInTheContents) {
  std::set<QString> contents;
  std::vector<const help::SitemapEntry*> pending;
  for (const auto& entry : book_->contents) pending.push_back(&entry);
  while (!pending.empty()) {
    const help::SitemapEntry* entry = pending.back();
    pending.pop_back();
    contents.insert(help::TopicUrl(entry->local).path());
    for (const auto& child : entry->children) pending.push_back(&child);
  }
  for (const FormulaRow& row : FormulaTable()) {
    const QString path = QString::fromStdString("/" + FormulaPageName(row.letter));
    const std::string page = Page(path);
    ASSERT_FALSE(page.empty()) << path.toStdString();
    EXPECT_TRUE(Contains(page, EscapeHtml(row.title))) << row.letter;
    EXPECT_TRUE(Contains(page, EscapeHtml(SplitLines(row.expression).front()))) << row.letter;
    EXPECT_TRUE(Contains(page, "class=\"affichage")) << row.letter;  // a keyed example
    EXPECT_TRUE(contents.count(path)) << path.toStdString();
  }
}

// Every link of a page, contents item and index item points at a file of the help file, and
// at an anchor of that page when it names one; no key example was left unkeyed.
TEST_F(BuiltHelpFile, HasNoBrokenLinks) {
  const QRegularExpression patterns[] = {
      QRegularExpression(QStringLiteral("(?:href|src)=\"([^\"#:]*)(?:#([^\"]*))?\"")),
      QRegularExpression(QStringLiteral("name=\"Local\" value=\"([^\"#]*)(?:#([^\"]*))?\""))};
  int pages = 0;
  int links = 0;
  for (const QString& path : book_->archive->Files()) {
    if (!path.endsWith(u".html") && !path.endsWith(u".hhc") && !path.endsWith(u".hhk")) continue;
    ++pages;
    const QString text = QString::fromStdString(Page(path));
    EXPECT_FALSE(text.contains(u"{{touches")) << path.toStdString();
    EXPECT_FALSE(text.contains(u"@FORMULES@") || text.contains(u"@MOTS-CLES@"))
        << path.toStdString();
    for (const QRegularExpression& pattern : patterns) {
      auto matches = pattern.globalMatch(text);
      while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString target = match.captured(1);
        const QString anchor = match.captured(2);
        if (target.isEmpty()) continue;
        ++links;
        const std::string page = Page(help::NormalizeArchivePath(target));
        EXPECT_FALSE(page.empty()) << path.toStdString() << " -> " << target.toStdString();
        if (!anchor.isEmpty()) {
          EXPECT_TRUE(Contains(page, "id=\"" + anchor.toStdString() + "\""))
              << path.toStdString() << " -> " << target.toStdString() << "#"
              << anchor.toStdString();
        }
      }
    }
  }
  EXPECT_GE(pages, static_cast<int>(FormulaTable().size()) + 10);
  EXPECT_GT(links, 3 * pages);  // the patterns did find the links
}

}  // namespace
}  // namespace solvanex::helpcontent
