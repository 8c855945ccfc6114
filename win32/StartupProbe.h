// StartupProbe: for the start-up benchmark only (bench/win32). When the environment variable
// SOLVANEX_FIRST_PAINT_EVENT names an event, that event is signalled once the window has been
// painted for the first time (the message loop has first run dry after showing it). Without the
// variable it does nothing.
#pragma once

namespace solvanex::win32 {

void ReportFirstPaintIfAsked();

}  // namespace solvanex::win32
