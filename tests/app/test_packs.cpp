#include "app/test_packs.hpp"

#include "app/pack_info.hpp"
#include "bmp_writer.hpp"
#include "jpeg_writer.hpp"
#include "platform/archive/pack_writer.hpp"
#include "state/picture_tables.hpp"
#include "support/described_pack.hpp"
#include "world/level_source.hpp"

#include <set>

namespace burrowix::test {

namespace {

std::vector<std::uint8_t> pictureBytes(const std::string& name, std::uint32_t rgb)
{
    const mkdata::Image image(4, 3, {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)});
    return name.ends_with(".jpg") ? mkdata::encodeJpeg(image) : mkdata::encodeBmp24(image);
}

} // namespace

bool writeTestPacks(const std::string& folder, const TestPackOptions& options)
{
    using assets::PictureId;
    // The single pictures and every slot's picture (the widgets' are left out: they load by name).
    std::set<std::string> names;
    for (PictureId single : {PictureId::Clear, PictureId::Digger, PictureId::Explosion, PictureId::DigitFont})
        names.insert(assets::pictureFile(single));
    for (const char* n : kSpriteImageNames)
        names.insert(n);
    for (const char* n : kInterfaceImageNames)
        if (n)
            names.insert(n);
    for (const char* n : kExppointsImageNames)
        names.insert(n);
    for (const char* n : kAddweaponImageNames)
        names.insert(n);
    std::vector<PackEntry> standard;
    for (const std::string& n : names) {
        if (n == options.missing)
            continue;
        const std::uint32_t colour = n == assets::pictureFile(PictureId::Logo)       ? options.logoColour
                                     : n == assets::pictureFile(PictureId::MainMenu) ? options.mainMenuColour
                                                                                     : 0x5A5A5A;
        standard.push_back({n, pictureBytes(n, colour)});
    }

    // A theme without its own block background: the standard pack's stands in.
    auto themeEntriesIn = [](std::uint32_t colour) {
        std::vector<PackEntry> entries;
        for (const assets::PictureAsset& p : assets::kPictures)
            if (p.pack == assets::PicturePack::Theme && p.id != PictureId::BlockBackground)
                entries.push_back({p.file, pictureBytes(p.file, colour)});
        return entries;
    };
    PackInfo theme;
    theme.packType = PackInfo::kThemePack;
    const std::vector<PackEntry> themeEntries = themeEntriesIn(options.themeColour);
    for (std::size_t i = 0; i < options.moreThemeColours.size(); ++i) {
        PackInfo more = theme;
        more.themeNumber = std::int32_t(i + 1);
        if (!writeDescribedPack(folder + "/theme" + std::to_string(i + 1) + ".pak", more,
                                themeEntriesIn(options.moreThemeColours[i])))
            return false;
    }

    const char* const emblem = assets::pictureFile(PictureId::PackEmblem);
    std::vector<PackEntry> levelEntries{{emblem, pictureBytes(emblem, 0x0102FA)}};
    for (std::size_t i = 0; i < options.levelSources.size(); ++i) {
        std::string error;
        const auto bytes = compileLevelSource(options.levelSources[i], error);
        if (!bytes)
            return false;
        levelEntries.push_back({std::to_string(i + 1) + ".ml_", *bytes});
    }

    return writePackArchive(folder + "/standart.pak", standard) &&
           writeDescribedPack(folder + "/theme.pak", theme, themeEntries) &&
           writeDescribedPack(folder + "/level.pak", levelPackInfo(options.levelPackNumber, options.levelCount),
                              levelEntries);
}

} // namespace burrowix::test
