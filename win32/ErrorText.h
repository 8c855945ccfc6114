// The text of the error box for an error raised by a key handler: the message with its full
// stop, a long quoted text (a pasted display) shortened so that the box fits the screen.
#pragma once

#include <exception>
#include <string>

namespace solvanex::win32 {

std::wstring ErrorBoxTextOf(std::exception_ptr error);

}  // namespace solvanex::win32
