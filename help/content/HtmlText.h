// Text made safe for the help pages: the generated pages put catalogue texts (which contain
// '<', '>' and '&' in expressions such as "m ≤ 0 ou m > 4") into HTML and into the attribute
// values of the contents files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

// The text with & < > " ' written as character references; other bytes (UTF-8) unchanged.
std::string EscapeHtml(std::string_view text);

// A value of the contents and index files, which stand in double quotes: & < > " as character
// references, the apostrophe as it is (Wine's HTML Help shows "&#39;" there as written).
std::string EscapeSitemapValue(std::string_view text);

// The lines of a text, split at '\n'; a trailing newline adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The lines escaped and joined with <br>.
std::string LinesToHtml(std::string_view text);

}  // namespace solvanex::helpcontent
