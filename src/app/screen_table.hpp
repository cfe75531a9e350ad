#pragma once
// The shell's table of screens, indexed by screen number: what each screen loads on entry and
// releases on leaving, which widgets it shows, and what it does on entry, each frame and on input.
// The game screen registers itself; the menu screens register from menus/, so SetScreen and the
// frame's dispatch are loops over this table and the shell names no menu screen.

#include <cstdint>
#include <span>

#include "platform/system/messages.hpp"

namespace burrowix {

class Surface;

// An interface picture slot a screen holds while it is current, and the colour key it gets.
struct ScreenPicture {
    int index;
    std::uint32_t key;
};

struct ScreenEntry {
    // Loaded (with the standard pack current) on entry and released on leaving.
    std::span<const ScreenPicture> pictures;
    // Extra pictures of the screen's own, loaded after and released after the table's.
    void (*loadExtra)() = nullptr;
    void (*releaseExtra)() = nullptr;
    // The widgets shown on entry, by name; `showWidgets` replaces the list when the set depends
    // on the screen's state.
    std::span<const char* const> widgets;
    void (*showWidgets)() = nullptr;
    // The full-screen picture the screen is drawn on: its interface picture index (-1 for none),
    // drawn by the shell together with the frame's clear, so the frame is written once; a keyed
    // picture shows the clear colour where it holds its key.
    int (*background)() = nullptr;
    bool backgroundKeyed = false;
    // The game's own pointer is drawn on this screen.
    int cursorVisible = 1;
    // The screen's picture changes only through input or a change of screen: with neither since the
    // last frame, the frame is neither composed nor presented again.
    bool still = false;
    // Per-target work after `currentScreen` is set; `from` is the screen that was left.
    void (*enter)(int from) = nullptr;
    // Drawing each frame, after the level preview or the game frame and before the widgets.
    void (*drawFrame)(Surface* backBuffer) = nullptr;
    // Drawing each frame after the widgets unless the difficulty dialog is open (the magnifier,
    // the options gauges).
    void (*drawOverlay)(Surface* backBuffer) = nullptr;
    // A key-down message; while the name field is open the widgets had it first and did not take it.
    void (*keyDown)(const Message& message) = nullptr;
    // A key-up message (the game screen's held keys are ended before).
    void (*keyUp)(const Message& message) = nullptr;
    // A character message (typed text) while no name is being entered.
    void (*charInput)(const Message& message) = nullptr;
    // A turn of the mouse wheel by `notches` (positive away from the user).
    void (*mouseWheel)(int notches) = nullptr;
    // A left button press, after the widgets had it.
    void (*leftButtonDown)(const Message& message) = nullptr;
    // A left button release, a right or middle button press or release, after the widgets had it.
    void (*otherButton)(const Message& message) = nullptr;
    // A pointer move that no widget took.
    void (*pointerMoved)(int x, int y) = nullptr;
};

inline constexpr int kScreenCount = 13;

// What the menus add once at start-up besides their screens.
struct MenuHooks {
    // Returns the menus' state to its start and connects them to the catalogue (start-up).
    void (*reset)() = nullptr;
    // Creates every menu widget, hidden (first frame).
    void (*createWidgets)() = nullptr;
    // The difficulty dialog's state (2 while it is open).
    int (*difficultyDialogState)() = nullptr;
    // The level choice's still picture of the screen; null while there is none.
    Surface* (*snapshotSurface)() = nullptr;
    // Shows the level-choice widgets of the moment (the dialog's buttons while it is open).
    void (*showLevelChoiceWidgets)() = nullptr;
    // Keeps what the menus hold unsaved (the editor's work in progress) when the program closes.
    void (*closeWork)() = nullptr;
};

void registerScreen(int screen, const ScreenEntry& entry);
// The entry of `screen`; an empty entry for numbers without a screen.
const ScreenEntry& screenEntry(int screen);

void registerMenuHooks(const MenuHooks& hooks);
const MenuHooks& menuHooks();

} // namespace burrowix
