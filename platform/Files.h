// The file operations of the help access. Files it writes live in the program directory or the
// user's temporary directory, where another account may have planted a link or a file of its
// own; so creation is always exclusive, appending refuses anything but the user's own regular
// file, and nothing here follows a link when writing or deleting.
#pragma once

#include <string>
#include <string_view>

namespace solvanex::platform {

// Whether path names an existing file that is not a directory (links are followed).
bool FileExists(const std::string& path);

// Whether path names an existing directory (links are followed).
bool DirectoryExists(const std::string& path);

// Creates the empty file path, readable and writable by the user only, and closes it. A regular
// file of the user's own already there (left by a run that ended early) is removed and the
// creation tried once more. Fails, and leaves everything as it was, when anything else (a link,
// even a dangling one, a directory, another account's file) is there or the directory refuses.
bool CreateNewFile(const std::string& path);

// Removes the directory entry path when it is not a directory. A link is removed itself; its
// target is never touched. False when there was nothing to remove or the removal failed.
bool DeleteFileNoFollow(const std::string& path);

// Appends bytes to path, creating it (user-only access) when absent. Writes only into a regular
// file owned by the user and never through a link; false, with nothing written, otherwise.
bool AppendToOwnFile(const std::string& path, std::string_view bytes);

}  // namespace solvanex::platform
