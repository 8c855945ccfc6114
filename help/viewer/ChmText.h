// Text found inside a compiled help file. Help compilers write the title, the topic names and
// the contents files either in UTF-8 or in the Windows code page of the help file's language
// (Windows-1252 for French), without saying which; these helpers read both.
#pragma once

#include <QByteArray>
#include <QString>

namespace solvanex::help {

// The text of bytes in UTF-8 when they are valid UTF-8, else in Windows-1252. Stops at the
// first NUL byte, since the strings of a help file's system data are NUL-terminated.
QString DecodeHelpText(const QByteArray& bytes);

// The text with the HTML character references of attribute values replaced: &amp; &lt; &gt;
// &quot; &apos; &nbsp;, the accented letters of French, and numeric references (&#233;
// &#xE9;). An unknown reference is kept as written.
QString DecodeHtmlEntities(const QString& text);

}  // namespace solvanex::help
