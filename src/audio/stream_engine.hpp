#pragma once
// The music engine: a registry of sound streams, volume factors by category, and the refill thread
// that wakes every 50 ms and tops up the rings of the streams that are playing. The registry and the
// streams are shared by the main and refill threads under `lock`.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace burrowix {

class SoundStream;
struct MainWindow;

struct StreamEngine {
    // A refill thread still running at exit is stopped and joined.
    ~StreamEngine();

    MainWindow* window = nullptr;
    // 1 while the engine's client of the audio output is open.
    int device = 0;
    // Registry slots; an empty one holds null. `capacity` grows by half when every slot is used.
    std::vector<SoundStream*> streams;
    int capacity = 100;
    float categoryVolume[4] = {};
    std::thread refillThread;
    bool stopRefill = false;
    std::condition_variable_any refillWake;
    std::recursive_mutex lock;
};

extern StreamEngine streamEngine;

// 0 when the engine runs; non-zero (and nothing running) when the output cannot be opened.
int initStreamEngine(MainWindow* window);
// Stops and joins the refill thread, destroys every stream (last slot first) and closes the output.
void shutdownStreamEngine();

// A new stream for `name`, or a clone of the first registered stream with that key (case ignored);
// null for an empty name.
SoundStream* getStream(const std::string& name, int category);
void setCategoryVolume(float v, int category);
float categoryVolumeOf(int category);
void stopCategory(int category);
SoundStream* playOneShot(const std::string& name, int category);

// Puts a stream into the first empty slot, growing the registry when it is full; and takes it out.
void registerStream(SoundStream* stream);
void unregisterStream(SoundStream* stream);
int registeredStreamCount();

// A volume factor 0..1 (clamped) as hundredths of a decibel, and back.
int toHundredthsDb(float v);
float fromHundredthsDb(int h);

} // namespace burrowix
