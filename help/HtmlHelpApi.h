// The HTML Help API as the program and the viewer module both see it: the two commands the
// program uses, and the form of the entry points "HtmlHelpA" and "HtmlHelpW" (caller window, help
// file or null, command, command data; the result is the help window as an opaque handle, or
// null). On 32-bit Windows the entry points use the system's calling convention (WINAPI, that is
// __stdcall), which the caller must use too; elsewhere there is only one convention.
#pragma once

#include <cstdint>

// Opens the help file on its default topic in a help window of the viewer's own.
inline constexpr unsigned int HH_DISPLAY_TOPIC = 0x0000;
// Closes every help window that the program opened.
inline constexpr unsigned int HH_CLOSE_ALL = 0x0012;

#if defined(_WIN32) && !defined(_WIN64)
#define SOLVANEX_HTMLHELP_API __stdcall
#else
#define SOLVANEX_HTMLHELP_API
#endif

using HtmlHelpAFunction = void*(SOLVANEX_HTMLHELP_API*)(void* caller, const char* file,
                                                        unsigned int command, std::uintptr_t data);
using HtmlHelpWFunction = void*(SOLVANEX_HTMLHELP_API*)(void* caller, const wchar_t* file,
                                                        unsigned int command, std::uintptr_t data);
