// The entry points of the HTML Help viewer module (hhctrl.so), in the form of the HTML Help
// API: the caller's window (unused here), the help file ("Solvanex.chm", a path, either with
// "::/topic.htm"), the command and its data. The result is the help window as an opaque
// handle, or null. Calls must come from the GUI thread of the running QApplication; other
// calls return null and do nothing.
#pragma once

#include <cstdint>

#include "help/HtmlHelpApi.h"

#define SOLVANEX_HHCTRL_EXPORT __attribute__((visibility("default")))

// HH_DISPLAY_TOPIC opens the file's default topic, or the topic named after "::" or by data (a
// pointer to a topic string in the entry's character type, or 0), in a help window of its own;
// the window already open for the file is raised instead. HH_CLOSE_ALL closes and deletes every
// help window the module opened; file and data are ignored.
extern "C" {
SOLVANEX_HHCTRL_EXPORT void* HtmlHelpA(void* caller, const char* file, unsigned int command,
                                       std::uintptr_t data);
SOLVANEX_HHCTRL_EXPORT void* HtmlHelpW(void* caller, const wchar_t* file, unsigned int command,
                                       std::uintptr_t data);
}
