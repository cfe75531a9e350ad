#pragma once
// One generated picture with what the packs and the contact sheets need to know about it.
#include "image.hpp"

#include "common/asset_manifest.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

enum class Format { Bmp, Jpeg };

// Pictures are named by their manifest entry; its file is the member name.
using P = assets::PictureId;
inline std::string file(P picture) { return assets::pictureFile(picture); }

// A rectangle the game reads from the picture, named for the contact sheets.
struct Region {
    std::string name;
    int x = 0, y = 0, w = 0, h = 0;
};

struct Picture {
    std::string name;
    Image image;
    Rgb key;
    Format format = Format::Bmp;
    int cellW = 0, cellH = 0; // sprite-sheet grid for the contact sheet (0 = none)
    std::vector<Region> regions;
};

using PictureList = std::vector<Picture>;

inline Picture& addPicture(PictureList& list, std::string name, Image image, Rgb key,
                           Format format = Format::Bmp)
{
    list.push_back({std::move(name), std::move(image), key, format, 0, 0, {}});
    return list.back();
}

inline Picture& withGrid(Picture& p, int w, int h)
{
    p.cellW = w;
    p.cellH = h;
    return p;
}

} // namespace burrowix::mkdata
