#pragma once
// The pictures widgets and pointer shapes take their looks from, addressed by index. Every picture
// gets the green colour key. A picture is loaded on demand when it is asked for and the display
// exists, and released while no shown widget needs it.

#include <memory>
#include <string>
#include <vector>

#include "platform/display/surface.hpp"

namespace burrowix {

struct Display;

struct PictureRecord {
    std::string name;
    std::unique_ptr<Surface> surface; // null while not loaded
    int flag = 0;
};

class PictureStore {
public:
    // The display pictures are loaded for; the program's display unless a test sets another.
    Display* display = nullptr;

    int count() const { return static_cast<int>(records_.size()); }
    // Adds a record and loads the picture at once; its index.
    int addPicture(Display& display, const char* name, int flag);
    int addPictureUnloaded(const char* name, int flag);
    // Exact name comparison; -1 when not found.
    int findPicture(const char* name) const;
    // The index of `name`, added (unloaded) when it is not in the store yet; -1 for no name.
    int findOrAddPicture(const char* name);
    // The picture's surface, loaded now if it is not and the display exists; null when it cannot be.
    Surface* pictureSurface(int index);
    Surface* surfaceByName(const char* name);
    bool isLoaded(int index) const;
    void loadPicture(Display& display, int index);
    void releasePicture(int index);
    void releaseAllPictures();
    // Loads every loaded picture again into its surface, after a display loss.
    void reloadAllPictures();
    void clearPictures();

private:
    PictureRecord* record(int index) const;
    void load(Display& display, PictureRecord& r);

    std::vector<std::unique_ptr<PictureRecord>> records_;
};

} // namespace burrowix
