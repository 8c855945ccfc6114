// The system clipboard as Unicode text (CF_UNICODETEXT), the only format read or written.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace solvanex::win32 {

// Whether the clipboard holds a non-empty text.
bool ClipboardHasText();

// The clipboard's text, read no further than its memory block reaches even when the text lacks
// its terminating null; nothing when it holds no text or cannot be opened.
std::optional<std::wstring> ReadClipboardText(HWND owner);

// Puts text on the clipboard; false when the clipboard cannot be opened or memory is short.
bool WriteClipboardText(HWND owner, const std::wstring& text);

}  // namespace solvanex::win32
