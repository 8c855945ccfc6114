// What the window's help tests read of the stand-in help viewer (FakeHelpViewer.cpp): its file
// version and the calls it has recorded since it was loaded.
#pragma once

// The file version of the stand-in, in its version resource.
#define FAKE_HELP_VIEWER_MAJOR 4
#define FAKE_HELP_VIEWER_MINOR 74
#define FAKE_HELP_VIEWER_RELEASE 9273
#define FAKE_HELP_VIEWER_BUILD 0

#ifndef RC_INVOKED
#include <cstdint>

// The class of the help windows the stand-in opens.
inline constexpr wchar_t kFakeHelpWindowClass[] = L"SolvanexFakeHelpWindow";

// One call into the viewer's HtmlHelpA, as it came.
struct FakeHelpCall {
  void* caller;
  char file[520];  // the file name, empty for a null one
  bool fileIsNull;
  unsigned command;
  std::uintptr_t data;
};

// Exported by the stand-in: how many calls it has recorded, and the call at index.
using FakeHelpCallCountFunction = int (*)();
using FakeHelpCallAtFunction = bool (*)(int index, FakeHelpCall* call);
#endif
