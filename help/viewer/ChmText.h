// Text found inside a compiled help file. Help compilers write the title, the topic names and
// the contents files either in UTF-8 or in the Windows code page of the help file's language
// (Windows-1252 for French), mostly without saying which; these helpers read both, and a
// contents file in the character set it declares.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace solvanex::help {

// The text of bytes in UTF-8 when they are valid UTF-8, else in the Windows code page of the
// language lcid (the help file's, from "#SYSTEM"): Windows-1252 for the Western European
// languages, for 0 (unknown), and for a code page this system cannot decode. Stops at the
// first NUL byte, since the strings of a help file's system data are NUL-terminated.
QString DecodeHelpText(const QByteArray& bytes, std::uint32_t lcid = 0);

// The text of a contents or index file: in the character set that its own <meta> declares
// (http-equiv Content-Type "...; charset=NAME", or charset=NAME) within its first kilobytes,
// when this system decodes that set; otherwise as DecodeHelpText reads it.
QString DecodeSitemapText(const QByteArray& bytes, std::uint32_t lcid);

// The text with the HTML character references of attribute values replaced: &amp; &lt; &gt;
// &quot; &apos; &nbsp;, the accented letters of French, and numeric references (&#233;
// &#xE9;). An unknown reference is kept as written.
QString DecodeHtmlEntities(const QString& text);

}  // namespace solvanex::help
