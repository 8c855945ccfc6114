// Path texts as the help access handles them: a directory is held without a trailing separator,
// so that "directory + separator + name" is always the file's path (the file system's root is
// then the empty directory).
#pragma once

#include <string>
#include <string_view>

namespace solvanex::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// True for a separator of this platform ('/' is accepted on Windows too).
bool IsPathSeparator(char c);

// path without any trailing separators ("c:\temp\\" -> "c:\temp", "/" -> "").
std::string RemoveTrailingSeparators(std::string_view path);

// The directory part of path, up to its last separator (exclusive); empty when there is none.
std::string ExtractFileDir(std::string_view path);

// The part of path after its last separator.
std::string ExtractFileName(std::string_view path);

// directory + separator + name.
std::string JoinPath(std::string_view directory, std::string_view name);

// Whether path names a file independently of the current directory.
bool IsAbsolutePath(std::string_view path);

}  // namespace solvanex::platform
