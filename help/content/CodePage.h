// The contents and index files in the code page of the help file's language. Windows' HTML Help
// reads them in the code page of the language the project file names (French: windows-1252),
// whatever they declare; a character that code page lacks is said with characters it has
// ("⇄" as "<->", written "&lt;-&gt;" since the files are HTML), so that the contents tree shows
// no stray bytes.
#pragma once

#include <string>
#include <string_view>

namespace solvanex::helpcontent {

// The HTML text utf8 in windows-1252, each character without a place there replaced by its
// stand-in (in HTML). Throws
// std::runtime_error naming the character (U+XXXX) and the text when there is no stand-in for
// it, or when utf8 is not valid UTF-8.
std::string ToWindows1252(std::string_view utf8);

}  // namespace solvanex::helpcontent
