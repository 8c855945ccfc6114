// The pages of the one-key functions of the displayed number: one page per laboratory
// conversion and per one-value clinical function, and the two pages that list them. Each page
// says what the key computes, from which choice, with the factor or expression as the program
// applies it, the worked examples the program computed, and the error boxes it can open.
#pragma once

#include "WorkedExamples.h"
#include "clinical/Catalogue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

inline constexpr std::string_view kConversionsPage = "conversions.html";
inline constexpr std::string_view kOneValuePage = "fonctions.html";

// "conversion-gly.html" for the button GLY, "fonction-po2.html" for PO2.
std::string ConversionPageName(const ConversionRow& row);
std::string OneValuePageName(const OneValueRow& row);

// The examples of a conversion: usual values of the chemistry table, one each way.
std::vector<WorkedExample> ConversionWorkedExamples(const ConversionRow& row);

// The page, with its key examples keyed (see KeyMarkup.h).
std::string ConversionPage(const ConversionRow& row, const std::vector<WorkedExample>& examples);
std::string ConversionsPage(std::span<const ConversionRow> rows);

std::string OneValueFunctionPage(const OneValueRow& row,
                                 const std::vector<WorkedExample>& examples);
std::string OneValuePage(std::span<const OneValueRow> rows);

// Contents items of the pages, for the two branches of the contents.
std::string ConversionContentsItems(std::span<const ConversionRow> rows);
std::string OneValueContentsItems(std::span<const OneValueRow> rows);

}  // namespace solvanex::helpcontent
