#pragma once
// Every widget of the menu screens (and the game screen's leave panel), created once, hidden, at
// the first frame, with its name, place, pictures and action.

namespace burrowix {

void createMenuWidgets();

} // namespace burrowix
