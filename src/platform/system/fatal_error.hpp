#pragma once
// Fatal display errors: the message (at most 127 characters) is shown in a message box captioned
// "Burrowix v.1.0" after the display has been released, then the main window is destroyed. The
// status passed in is handed back.

namespace burrowix {

struct MainWindow;

inline constexpr const char* kWindowTitle = "Burrowix v.1.0";

int FatalError(MainWindow* window, int status, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

} // namespace burrowix
