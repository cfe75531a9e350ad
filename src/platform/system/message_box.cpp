#include "platform/system/message_box.hpp"

#include <SDL.h>

#include <cstdio>

#include "platform/system/main_window.hpp"

namespace burrowix {

void showMessageBox(const char* caption, const char* text, MainWindow* parent)
{
    const bool haveDisplay = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    if (haveDisplay &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, parent ? parent->window : nullptr) == 0)
        return;
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

} // namespace burrowix
