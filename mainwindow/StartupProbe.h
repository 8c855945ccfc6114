// StartupProbe: for the start-up benchmark only. When the environment variable
// SOLVANEX_REPORT_MAPPED is set, prints "mapped <ns> cpu <ns>" on standard output (wall-clock
// time in nanoseconds since the epoch, then the processor time the process has used) once the
// window is on screen and painted for the first time.
// With SOLVANEX_EXIT_MAPPED set as well, the program then ends at once, so that a profiler sees
// the start-up alone. Without the variables it does nothing. Depends on Qt Gui only, so that the
// benchmark's minimal comparison window can use it too.
#pragma once

class QWindow;

namespace solvanex {

void ReportFirstExposeIfAsked(QWindow* window);

}  // namespace solvanex
