// Which name of the help file the viewer is given. The viewer looks a bare name up in the
// current directory and in the system's help folder only (Windows' own viewer also in the HTML
// Help registry key of the installed files): a program started from another folder would open
// nothing. So the help file that stands beside the program is named by its full path; elsewhere
// the bare name stands, for the viewer to find. CallHtmlHelp (hh.h) passes kHelpFileName so.
#pragma once

#include <string>

namespace solvanex::help {

// The help file to name to the viewer: the full path of kHelpFileName (hh.h) in programDir when
// a file of that name is there; otherwise the bare name.
std::string HelpFileArgument(const std::string& programDir);

// HelpFileArgument for the running program's folder, in the form HtmlHelpA takes: where the full
// path has characters that form lacks, the file's short (8.3) path when it is plain ASCII, and
// the bare name only when there is none.
std::string HelpFileArgumentForThisProgram();

}  // namespace solvanex::help
