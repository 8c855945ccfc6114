// Where a help file named by a caller is, and which topic it asks for. Callers name the file as
// HTML Help accepts it: a bare name ("Solvanex.chm") looked up beside the program and then in
// the installed data folder, or a path; either may carry "::/topic.htm" and a ">window" suffix.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace solvanex::help {

struct HelpRequest {
  QString file;   // the help file as named, without topic or window suffix
  QString topic;  // the topic after "::", as written (may carry "#anchor"); empty for none
};

HelpRequest ParseHelpArgument(const QString& argument);

// The file to open: an absolute path as it stands; otherwise the first existing file of that
// relative name in searchDirs, in order. Empty when there is none.
QString LocateHelpFile(const QString& file, const QStringList& searchDirs);

// The folder of the running program, then the installed data folder beside it.
QStringList DefaultSearchDirs();

// The topic of a link into a compiled help file written in the "ms-its:" or
// "mk:@MSITStore:" form ("ms-its:Solvanex.chm::/page.htm" gives "/page.htm"); nothing for
// another link.
std::optional<QString> TopicOfStoreLink(const QString& link);

}  // namespace solvanex::help
