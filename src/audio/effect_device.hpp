#pragma once
// The effect bank's device: its client connection to the program's audio output.

namespace burrowix {

struct MainWindow;

struct SoundDevice {
    // 1 while the device is open.
    int device = 0;
};

extern SoundDevice soundDevice;

// 0 when the device opened, negative when there is no sound output.
int openSoundDevice(MainWindow* window);
void closeSoundDevice();

} // namespace burrowix
