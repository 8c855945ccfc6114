// The pieces every generated page is made of: the head and the trail back to the contents
// page, links, keys, table rows, worked-example tables and sitemap items. Every text passed in
// is escaped, except the arguments named ...Html.
#pragma once

#include "WorkedExamples.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

// The page's head with its title, and the trail "Sommaire › trailHtml".
std::string PageStart(std::string_view title, std::string_view trailHtml);
std::string PageEnd();

std::string Link(std::string_view page, std::string_view text);
std::string Key(std::string_view label);
// A table row: a heading cell and a data cell.
std::string Row(std::string_view heading, const std::string& cellHtml);
std::string Join(const std::vector<std::string>& parts, std::string_view separator);

// The cells of one example (choices, keys, what shows) and a table of examples.
std::string ExampleCells(const WorkedExample& example);
std::string ExampleTable(const std::vector<WorkedExample>& examples);

// One item of a contents or index file.
std::string ItemHtml(std::string_view name, std::string_view local);

// A result as the display writes it: "5,56", "1792,".
std::string Number(long double value);
// A measured quantity for the reader: value rounded to `digits` significant digits, with the
// decimal comma and no exponent ("180,156", "0,03229").
std::string Decimal(double value, int digits);
// `value` with `decimals` decimals and the decimal comma: "180,156".
std::string Fixed(double value, int decimals);

}  // namespace solvanex::helpcontent
