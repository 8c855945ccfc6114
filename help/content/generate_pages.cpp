// solvanex_help_pages SOURCE_DIR OUTPUT_DIR [PAGE...]
// Writes the pages of the help file that come from the clinical catalogue into OUTPUT_DIR,
// fills the templates of SOURCE_DIR (contents page, contents, index, project) with their
// entries (contents and index in windows-1252, the pages in UTF-8), and copies the hand-written
// PAGEs of SOURCE_DIR with their key examples keyed. Every result shown in the help is computed by
// the calculator while the pages are written.
#include "CodePage.h"
#include "FunctionPages.h"
#include "HelpPages.h"
#include "KeyMarkup.h"
#include "KeyTopics.h"
#include "Sitemaps.h"
#include "WorkedExamples.h"
#include "calculator/Keypad.h"
#include "clinical/Catalogue.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace {

using namespace solvanex;
using namespace solvanex::helpcontent;
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// An example that ends on a message or an error box is kept (it is what the program shows),
// but it is worth a look: the example inputs are meant to give results.
void CheckExamples(std::string_view page, const std::vector<WorkedExample>& examples) {
  for (const WorkedExample& example : examples) {
    if (example.outcome.red || !example.outcome.errorBox.empty()) {
      std::cerr << "solvanex_help_pages: warning: an example of " << page << " shows \""
                << (example.outcome.errorBox.empty() ? example.outcome.display
                                                     : example.outcome.errorBox)
                << "\"\n";
    }
  }
}

void Generate(const fs::path& source, const fs::path& output,
              const std::vector<std::string>& pages) {
  const auto formulas = FormulaTable();
  const auto conversions = ConversionTable();
  const auto oneValueFunctions = OneValueTable();
  if (formulas.empty()) throw std::runtime_error("the formula table is empty");

  for (const FormulaRow& row : formulas) {
    const std::vector<WorkedExample> examples = FormulaWorkedExamples(row);
    if (examples.empty()) {
      throw std::runtime_error("no worked example for formula " + std::string(1, row.letter));
    }
    CheckExamples(FormulaPageName(row.letter), examples);
    WriteFile(output / FormulaPageName(row.letter), FormulaPage(row, examples));
  }
  WriteFile(output / kFormulaListPage, FormulaListPage(formulas));

  for (const ConversionRow& row : conversions) {
    const std::vector<WorkedExample> examples = ConversionWorkedExamples(row);
    CheckExamples(ConversionPageName(row), examples);
    WriteFile(output / ConversionPageName(row), ConversionPage(row, examples));
  }
  WriteFile(output / kConversionsPage, ConversionsPage(conversions));

  for (const OneValueRow& row : oneValueFunctions) {
    const std::vector<WorkedExample> examples = OneValueWorkedExamples(row);
    CheckExamples(OneValuePageName(row), examples);
    WriteFile(output / OneValuePageName(row), OneValueFunctionPage(row, examples));
  }
  WriteFile(output / kOneValuePage, OneValuePage(oneValueFunctions));

  WriteFile(output / "index.html",
            ExpandKeyExamples(FillTemplate(ReadFile(source / "index.html.in"),
                                           "<!-- @FORMULES@ -->", FormulaLinks(formulas))));
  for (const std::string& page : pages) {
    std::string text = ReadFile(source / page);
    if (text.find("<!-- @MESSAGES-FORMULES@ -->") != std::string::npos) {
      text = FillTemplate(std::move(text), "<!-- @MESSAGES-FORMULES@ -->",
                          FormulaMessageRows(formulas));
    }
    WriteFile(output / page, ExpandKeyExamples(text));
  }
  // The contents and index in the code page of the help file's language (CodePage.h).
  WriteFile(output / "Solvanex.hhc",
            ToWindows1252(ContentsSitemap(ReadFile(source / "Solvanex.hhc.in"))));
  WriteFile(output / "Solvanex.hhk",
            ToWindows1252(IndexSitemap(ReadFile(source / "Solvanex.hhk.in"))));
  WriteFile(output / "Solvanex.hhp",
            FillTemplate(ReadFile(source / "Solvanex.hhp.in"), "@FICHIERS@\n",
                         GeneratedFiles(formulas, conversions, oneValueFunctions)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: solvanex_help_pages SOURCE_DIR OUTPUT_DIR [PAGE...]\n";
    return 2;
  }
  try {
    Generate(argv[1], argv[2], std::vector<std::string>(argv + 3, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "solvanex_help_pages: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
