// The check that the help access's file operations make on Windows before they write to or
// delete a file that was already there, on the handle they opened it with, so that nothing can
// be swapped in between (Windows only).
#pragma once

#include <windows.h>

namespace solvanex::platform {

// Whether the open file is a plain disk file - not a directory, not a reparse point (a symbolic
// link or a junction), not a device or a pipe - whose owner is user. False for a null user.
bool IsUsersOwnRegularFile(HANDLE file, PSID user);

}  // namespace solvanex::platform
