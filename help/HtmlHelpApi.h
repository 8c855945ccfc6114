// The HTML Help API as the program and the viewer module both see it: the two commands the
// program uses, and the form of the entry points "HtmlHelpA" and "HtmlHelpW" (caller window, help
// file or null, command, command data; the result is the help window as an opaque handle, or
// null).
#pragma once

#include <cstdint>

// Opens the help file on its default topic in a help window of the viewer's own.
inline constexpr unsigned int HH_DISPLAY_TOPIC = 0x0000;
// Closes every help window that the program opened.
inline constexpr unsigned int HH_CLOSE_ALL = 0x0012;

using HtmlHelpAFunction = void* (*)(void* caller, const char* file, unsigned int command,
                                    std::uintptr_t data);
using HtmlHelpWFunction = void* (*)(void* caller, const wchar_t* file, unsigned int command,
                                    std::uintptr_t data);
