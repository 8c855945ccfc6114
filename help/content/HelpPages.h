// The pages of the help file that are written from the formula catalogue: one page per
// formula and the list of formulas, and the entries that the catalogue's pages add to the
// contents, the index, the contents page and the project's file list. Every catalogue text is
// escaped on its way into HTML.
#pragma once

#include "WorkedExamples.h"
#include "clinical/Catalogue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

// "formule-p.html" for 'P'.
std::string FormulaPageName(char letter);
inline constexpr std::string_view kFormulaListPage = "formules.html";

std::string FormulaPage(const FormulaRow& row, const std::vector<WorkedExample>& examples);
std::string FormulaListPage(std::span<const FormulaRow> rows);

// Fragments for the templates: <li> links of the contents page, sitemap items of the contents
// (.hhc) and of the index (.hhk), and the generated files for the project (.hhp).
std::string FormulaLinks(std::span<const FormulaRow> rows);
std::string FormulaContentsItems(std::span<const FormulaRow> rows);
std::string IndexItems(std::span<const FormulaRow> formulas,
                       std::span<const ConversionRow> conversions,
                       std::span<const OneValueRow> oneValueFunctions);
std::string GeneratedFiles(std::span<const FormulaRow> formulas,
                           std::span<const ConversionRow> conversions,
                           std::span<const OneValueRow> oneValueFunctions);
// Table rows of the messages page: each in-display message of the formulas, with links to the
// formulas that show it.
std::string FormulaMessageRows(std::span<const FormulaRow> rows);

// text with its one placeholder replaced; throws std::runtime_error when the placeholder is
// missing, so that a template edited by mistake fails the build instead of dropping pages.
std::string FillTemplate(std::string text, std::string_view placeholder,
                         std::string_view replacement);

}  // namespace solvanex::helpcontent
