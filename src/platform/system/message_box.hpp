#pragma once
// A message box with an OK button; without a display the text goes to standard error instead.

namespace burrowix {

struct MainWindow;

void showMessageBox(const char* caption, const char* text, MainWindow* parent = nullptr);

} // namespace burrowix
