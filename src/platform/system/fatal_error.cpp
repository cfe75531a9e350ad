#include "platform/system/fatal_error.hpp"

#include <cstdarg>
#include <cstdio>

#include "platform/display/display.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/message_box.hpp"

namespace burrowix {

int FatalError(MainWindow* window, int status, const char* format, ...)
{
    char text[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    releaseDisplay(theDisplay);
    showMessageBox(kWindowTitle, text, window);
    if (window)
        window->destroy();
    return status;
}

} // namespace burrowix
