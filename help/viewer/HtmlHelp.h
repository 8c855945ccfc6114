// The entry points of the HTML Help viewer module (hhctrl.so), in the form of the HTML Help
// API: the caller's window (unused here), the help file ("Solvanex.chm", a path, either with
// "::/topic.htm"), the command and its data. The result is the help window as an opaque
// handle, or null. Calls must come from the GUI thread of the running QApplication; other
// calls return null and do nothing.
#pragma once

#include <cstdint>

#define SOLVANEX_HHCTRL_EXPORT __attribute__((visibility("default")))

// Opens the file's default topic, or the topic named after "::" or by data (a pointer to a
// topic string in the entry's character type, or 0), in a help window of its own; the window
// already open for the file is raised instead.
inline constexpr unsigned int HH_DISPLAY_TOPIC = 0x0000;
// Closes and deletes every help window the module opened; file and data are ignored.
inline constexpr unsigned int HH_CLOSE_ALL = 0x0012;

extern "C" {
SOLVANEX_HHCTRL_EXPORT void* HtmlHelpA(void* caller, const char* file, unsigned int command,
                                       std::uintptr_t data);
SOLVANEX_HHCTRL_EXPORT void* HtmlHelpW(void* caller, const wchar_t* file, unsigned int command,
                                       std::uintptr_t data);
}

using HtmlHelpAFunction = void* (*)(void*, const char*, unsigned int, std::uintptr_t);
using HtmlHelpWFunction = void* (*)(void*, const wchar_t*, unsigned int, std::uintptr_t);
