// The contents (.hhc) and index (.hhk) of the help file in UTF-8: their templates filled with the
// entries of the catalogue and of the keys. The help file's writer puts them into the code page
// of the file's language (CodePage.h); a viewer's contents tree shows their titles.
#pragma once

#include <string>

namespace solvanex::helpcontent {

// The contents, from the text of Solvanex.hhc.in.
std::string ContentsSitemap(std::string templateText);

// The index, from the text of Solvanex.hhk.in.
std::string IndexSitemap(std::string templateText);

}  // namespace solvanex::helpcontent
