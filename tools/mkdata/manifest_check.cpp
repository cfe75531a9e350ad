#include "manifest_check.hpp"

#include <set>

namespace burrowix::mkdata {

namespace {

const char* packName(assets::PicturePack pack)
{
    switch (pack) {
    case assets::PicturePack::Theme:
        return "theme pack";
    case assets::PicturePack::Level:
        return "level pack";
    case assets::PicturePack::Standard:
        break;
    }
    return "standard pack";
}

std::string size(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

} // namespace

std::string checkAgainstManifest(const PictureList& pictures, assets::PicturePack pack)
{
    const std::string where = std::string(" of the ") + packName(pack);
    std::set<P> drawn;
    for (const Picture& p : pictures) {
        const P id = assets::findPicture(p.name, pack);
        if (id == P::None)
            return "\"" + p.name + "\" is drawn but the asset manifest has no such picture" + where;
        if (!drawn.insert(id).second)
            return "\"" + p.name + "\" is drawn twice" + where;
        const assets::PictureAsset& row = assets::pictureAsset(id);
        if (p.image.width != row.width || p.image.height != row.height)
            return "\"" + p.name + "\"" + where + " is drawn " + size(p.image.width, p.image.height) +
                   ", but the asset manifest says " + size(row.width, row.height);
        const bool jpeg = p.name.ends_with(".jpg");
        if ((p.format == Format::Jpeg) != jpeg)
            return "\"" + p.name + "\"" + where + " is encoded as " + (jpeg ? "BMP" : "JPEG") +
                   ", unlike its name";
    }
    for (const assets::PictureAsset& row : assets::kPictures)
        if (row.pack == pack && !drawn.count(row.id))
            return std::string("\"") + row.file + "\"" + where + " is in the asset manifest but not drawn";
    return {};
}

} // namespace burrowix::mkdata
