// The help pages written from the clinical catalogue, and the compiled help file.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChmArchive.h"
#include "ChmText.h"
#include "CodePage.h"
#include "ConversionChemistry.h"
#include "FormulaExamples.h"
#include "FunctionPages.h"
#include "HelpBook.h"
#include "HelpPages.h"
#include "HtmlText.h"
#include "KeyMarkup.h"
#include "KeyTopics.h"
#include "SystemFile.h"
#include "WorkedExamples.h"
#include "calculator/Keypad.h"
#include "calculator/NumberText.h"
#include "clinical/Catalogue.h"
#include "clinical/Formulas.h"
#include "clinical/Keypad.h"

namespace solvanex::helpcontent {
namespace {

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

// The paths of every topic that a contents tree lists, at any depth.
std::set<QString> ContentsPaths(const std::vector<help::SitemapEntry>& contents) {
  std::set<QString> paths;
  help::WalkSitemap(contents, [&paths](const help::SitemapEntry& entry, int) {
    paths.insert(help::TopicUrl(entry.local).path());
    return false;
  });
  return paths;
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

// The contents and index keep the apostrophe, which some viewers show as "&#39;" when written so.
TEST(HtmlText, SitemapValuesKeepTheApostrophe) {
  const struct {
    std::string_view text;
    std::string_view escaped;
  } rows[] = {
      {"Calcémie corrigée selon l'albumine", "Calcémie corrigée selon l'albumine"},
      {"« Ancien » l'unité \"SI\"", "« Ancien » l'unité &quot;SI&quot;"},
      {"GLY — Glucose : g/L <-> mmol/L", "GLY — Glucose : g/L &lt;-&gt; mmol/L"},
      {"Levy & Fredrickson", "Levy &amp; Fredrickson"},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(EscapeSitemapValue(row.text), row.escaped) << row.text;
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
  row.caution = "Prudence <là> & \"ailleurs\"";
  row.conditions = "m < 0\nm > 4";
  row.faults = "y = 0 : « Division <zéro> »";
  return row;
}

TEST(FormulaPage, CarriesEveryFieldEscaped) {
  const FormulaRow row = MarkupRow();
  const std::string page = FormulaPage(row, {});
  const std::string_view fields[] = {row.hint,       row.title,     row.x,      row.y,
                                     row.m,          row.choices,   row.result, row.expression,
                                     row.messages,   row.reference, row.note,   row.caution,
                                     row.conditions, row.faults};
  for (const std::string_view field : fields) {
    for (const std::string_view line : SplitLines(field)) {
      EXPECT_TRUE(Contains(page, EscapeHtml(line))) << line;
      // The raw line never reaches the page where it holds markup characters.
      if (EscapeHtml(line) != line) {
        EXPECT_FALSE(Contains(page, line)) << line;
      }
    }
  }
  EXPECT_TRUE(
      Contains(page, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"));
  EXPECT_TRUE(Contains(page, "<kbd>MS</kbd>"));  // the memory step, since m is used
}

struct CodePageRow {
  const char* name;
  std::string utf8;
  std::string windows1252;
};

void PrintTo(const CodePageRow& row, std::ostream* out) {
  *out << row.name;
}

class CodePageTest : public ::testing::TestWithParam<CodePageRow> {};

TEST_P(CodePageTest, WritesEachCharacterWithOnesTheCodePageHas) {
  EXPECT_EQ(ToWindows1252(GetParam().utf8), GetParam().windows1252);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePageTest,
    ::testing::Values(CodePageRow{"Ascii", "Touche P", "Touche P"},
                      CodePageRow{"Latin1", "Conversions d'unités à 37 °C, ×, ², µ",
                                  "Conversions d'unit\xE9s \xE0 37 \xB0"
                                  "C, \xD7, \xB2, \xB5"},
                      CodePageRow{
                          "HighControls", "GLY — Glucose : « € » œ … ‘’ “” –",
                          "GLY \x97 Glucose : \xAB \x80 \xBB \x9C \x85 \x91\x92 \x93\x94 \x96"},
                      CodePageRow{"StandIns", "g/L ⇄ mmol/L, m ≤ 0, x ≥ 4, a → b, −1, CO₂, (√)",
                                  "g/L &lt;-&gt; mmol/L, m &lt;= 0, x &gt;= 4, a -&gt; b, -1, "
                                  "CO2, (Rac)"},
                      CodePageRow{"NarrowNoBreakSpace", "Homme\u202F:", "Homme\xA0:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePage, RefusesWhatItCannotSay) {
  for (const std::string text :
       {"ω", "日本", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80", "a\xE9"}) {
    EXPECT_THROW(ToWindows1252(text), std::runtime_error) << text;
  }
  try {
    ToWindows1252("x ω");
  } catch (const std::runtime_error& error) {
    EXPECT_TRUE(Contains(error.what(), "U+03C9")) << error.what();
  }
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

// The molar masses weighed from the formulae against the values of the chemistry handbooks
// (CRC Handbook, PubChem), to the last digit those give.
TEST(ConversionChemistry, WeighsTheFormulae) {
  const struct {
    std::string_view formula;
    double published;
    double tolerance;
  } rows[] = {
      {"C6H12O6", 180.16, 0.005}, {"C27H46O", 386.65, 0.02},  {"C57H104O6", 885.4, 0.1},
      {"Fe", 55.845, 0.0005},     {"C4H7N3O", 113.12, 0.005}, {"CH4N2O", 60.06, 0.005},
      {"N2", 28.014, 0.0005},     {"Ca", 40.078, 0.0005},     {"Mg", 24.305, 0.0005},
      {"P", 30.974, 0.0005},
  };
  for (const auto& row : rows) {
    EXPECT_NEAR(MolarMass(row.formula), row.published, row.tolerance) << row.formula;
  }
  for (const std::string_view bad : {"", "Xy2", "c6", "6C", "C-2"}) {
    EXPECT_THROW(MolarMass(bad), std::invalid_argument) << bad;
  }
}

// Each factor of the catalogue lies within 1 % of the factor of its substance's molar mass:
// a wrong formula or a unit read the wrong way would be off by far more (×1000, ×2).
TEST(ConversionChemistry, FactorsAgreeWithTheMolarMasses) {
  for (const ConversionRow& row : ConversionTable()) {
    const ConversionChemistry& chemistry = ChemistryOf(row);
    const double exact = FactorFromMolarMass(row, MolarMass(chemistry.formula));
    EXPECT_NEAR(static_cast<double>(row.factor) / exact, 1.0, 0.01) << row.caption;
    if (!chemistry.otherFormula.empty()) {
      // The other form is not the one the factor stands for.
      const double other = FactorFromMolarMass(row, MolarMass(chemistry.otherFormula));
      EXPECT_GT(std::abs(static_cast<double>(row.factor) / other - 1.0), 0.1) << row.caption;
    }
  }
  ConversionRow unknown = ConversionTable().front();
  unknown.button = "Inconnu";
  EXPECT_THROW(ChemistryOf(unknown), std::out_of_range);
  unknown.conventionalUnit = "mg/dL";
  EXPECT_THROW(FactorFromMolarMass(unknown, 100.0), std::invalid_argument);
}

// The conversion page states the program's factor, the molar-mass factor and the difference
// between them as computed from the two.
TEST(ConversionPage, ComparesTheFactorWithTheMolarMass) {
  for (const ConversionRow& row : ConversionTable()) {
    const std::string page = ConversionPage(row, ConversionWorkedExamples(row));
    const double exact = FactorFromMolarMass(row, MolarMass(ChemistryOf(row).formula));
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.2f %%",
                  std::abs(static_cast<double>(row.factor) / exact - 1.0) * 100.0);
    std::string expected(percent);
    std::replace(expected.begin(), expected.end(), '.', ',');
    SCOPED_TRACE(std::string(row.caption));
    EXPECT_TRUE(Contains(page, "x × " + FormatResult(static_cast<double>(row.factor), ',')));
    EXPECT_TRUE(Contains(page, "x ÷ " + FormatResult(static_cast<double>(row.factor), ',')));
    EXPECT_TRUE(Contains(page, EscapeHtml(ChemistryOf(row).formula)));
    if (expected != "0,00 %") {
      EXPECT_TRUE(Contains(page, expected)) << expected;
    }
    EXPECT_FALSE(Contains(page, "{{touches"));
  }
}

// Every key of the keypad has its help: the arithmetic keys a topic of their own, the clinical
// keys their page.
TEST(KeyTopics, CoverEveryKeyOfTheKeypad) {
  for (const KeyBinding& key : CoreKeys()) {
    EXPECT_NO_THROW(TopicOf(key)) << key.name;
  }
  for (const KeyTopic& topic : KeyTopics()) {
    EXPECT_NE(FindKey(CoreKeys(), topic.control), nullptr) << topic.control;
  }
  const KeyBinding stranger{"Inconnue", "?", "", {}};
  EXPECT_THROW(TopicOf(stranger), std::out_of_range);
}

// The compiled help file, as the viewer reads it through libmspack.
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
  const std::set<QString> contents = ContentsPaths(book_->contents);
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

// Each conversion and each one-value function has a page of its own, listed in the contents,
// with the factor or expression as the program applies it and a keyed example.
TEST_F(BuiltHelpFile, HoldsOnePagePerConversionAndFunction) {
  const std::set<QString> contents = ContentsPaths(book_->contents);
  std::set<std::string> names;
  for (const ConversionRow& row : ConversionTable()) {
    const QString path = QString::fromStdString("/" + ConversionPageName(row));
    names.insert(ConversionPageName(row));
    const std::string page = Page(path);
    ASSERT_FALSE(page.empty()) << path.toStdString();
    EXPECT_TRUE(Contains(page, EscapeHtml(row.hint))) << row.caption;
    EXPECT_TRUE(Contains(page, EscapeHtml(row.conventionalUnit))) << row.caption;
    EXPECT_TRUE(Contains(page, EscapeHtml(row.siUnit))) << row.caption;
    EXPECT_TRUE(Contains(page, "x × " + FormatResult(static_cast<double>(row.factor), ',')));
    EXPECT_TRUE(Contains(page, "<tr class=\"exemple\">")) << row.caption;
    EXPECT_TRUE(contents.count(path)) << path.toStdString();
  }
  for (const OneValueRow& row : OneValueTable()) {
    const QString path = QString::fromStdString("/" + OneValuePageName(row));
    names.insert(OneValuePageName(row));
    const std::string page = Page(path);
    ASSERT_FALSE(page.empty()) << path.toStdString();
    EXPECT_TRUE(Contains(page, EscapeHtml(row.hint))) << row.caption;
    for (const std::string_view line : SplitLines(row.expression)) {
      EXPECT_TRUE(Contains(page, EscapeHtml(line))) << line;
    }
    EXPECT_TRUE(Contains(page, "<tr class=\"exemple\">")) << row.caption;
    EXPECT_TRUE(contents.count(path)) << path.toStdString();
  }
  EXPECT_EQ(names.size(), ConversionTable().size() + OneValueTable().size());  // no page shared
}

// Every button of the keypad is an index entry "Touche <caption>", and the entries of the
// clinical keys land on the key's own page.
TEST_F(BuiltHelpFile, IndexesEveryKey) {
  std::map<std::string, std::vector<QString>> index;
  for (const help::SitemapEntry& entry : book_->index) {
    index[entry.name.toStdString()].push_back(help::TopicUrl(entry.local).path());
  }
  for (const KeyBinding& key : Keypad()) {
    const auto found = index.find("Touche " + std::string(key.caption));
    ASSERT_NE(found, index.end()) << key.caption;
    ASSERT_EQ(found->second.size(), 1u) << key.caption;
    EXPECT_FALSE(Page(found->second.front()).empty()) << key.caption;
  }
  for (const ConversionRow& row : ConversionTable()) {
    EXPECT_EQ(index["Touche " + std::string(row.caption)],
              std::vector<QString>{QString::fromStdString("/" + ConversionPageName(row))});
    EXPECT_EQ(index[std::string(row.analyte) + " (conversion)"],
              std::vector<QString>{QString::fromStdString("/" + ConversionPageName(row))});
  }
  for (const OneValueRow& row : OneValueTable()) {
    EXPECT_EQ(index["Touche " + std::string(row.caption)],
              std::vector<QString>{QString::fromStdString("/" + OneValuePageName(row))});
  }
  for (const FormulaRow& row : FormulaTable()) {
    EXPECT_EQ(index["Touche " + std::string(1, row.letter)],
              std::vector<QString>{QString::fromStdString("/" + FormulaPageName(row.letter))});
  }
}

// Windows' viewer reads the contents and index in the code page of the file's language: they are
// written in windows-1252 and say so, and their names read back as the catalogue writes them
// (decoded here by Qt's own converter, not the viewer's table).
TEST_F(BuiltHelpFile, ContentsAndIndexAreInTheCodePageOfTheLanguage) {
  const help::SystemInfo system =
      help::ParseSystemFile(book_->archive->Read(QStringLiteral("/#SYSTEM")).value_or(""));
  EXPECT_EQ(system.lcid, 0x040Cu);
  QStringDecoder windows1252("windows-1252");
  ASSERT_TRUE(windows1252.isValid());
  const auto asWindowsReadsIt = [&](std::string_view utf8) {
    return help::DecodeHtmlEntities(
        windows1252.decode(QByteArray::fromStdString(ToWindows1252(EscapeHtml(utf8)))));
  };
  for (const char* file : {"/Solvanex.hhc", "/Solvanex.hhk"}) {
    const std::string raw = Page(QString::fromLatin1(file));
    EXPECT_TRUE(Contains(raw, "charset=windows-1252")) << file;
    EXPECT_FALSE(Contains(raw, "\xC3")) << file << ": UTF-8 left";
  }
  std::map<QString, QString> contents;
  help::WalkSitemap(book_->contents, [&](const help::SitemapEntry& entry, int) {
    contents[help::TopicUrl(entry.local).path()] = entry.name;
    return false;
  });
  for (const FormulaRow& row : FormulaTable()) {
    EXPECT_EQ(contents[QString::fromStdString("/" + FormulaPageName(row.letter))],
              asWindowsReadsIt(std::string(1, row.letter) + " — " + std::string(row.title)))
        << row.letter;
  }
  std::set<QString> names;
  help::WalkSitemap(book_->contents, [&](const help::SitemapEntry& entry, int) {
    names.insert(entry.name);
    return false;
  });
  EXPECT_TRUE(names.count(QStringLiteral("Conversions d'unités")));
  EXPECT_TRUE(names.count(QStringLiteral("Fonctions à une valeur")));
  std::set<QString> index;
  for (const help::SitemapEntry& entry : book_->index) index.insert(entry.name);
  for (const ConversionRow& row : ConversionTable()) {
    EXPECT_TRUE(index.count(asWindowsReadsIt(std::string(row.analyte) + " (conversion)")))
        << row.analyte;
  }
}

// Every page says its character set in the form that the legacy modes of Windows' viewer read.
TEST_F(BuiltHelpFile, PagesDeclareTheirCharacterSetForTheLegacyEngine) {
  int pages = 0;
  for (const QString& path : book_->archive->Files()) {
    if (!path.endsWith(u".html")) continue;
    ++pages;
    const std::string page = Page(path);
    EXPECT_TRUE(
        Contains(page, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"))
        << path.toStdString();
    EXPECT_FALSE(Contains(page, "<meta charset=")) << path.toStdString();
  }
  EXPECT_GE(pages, static_cast<int>(FormulaTable().size()) + 10);
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
