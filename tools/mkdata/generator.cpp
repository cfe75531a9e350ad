#include "generator.hpp"

#include "bmp_writer.hpp"
#include "picture_groups.hpp"
#include "common/atomic_file.hpp"
#include "contact_sheet.hpp"
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "jpeg_writer.hpp"
#include "manifest_check.hpp"
#include "pack_description.hpp"
#include "sound_pack.hpp"
#include "world/level_source.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace burrowix::mkdata {

std::string themePackFileName(int theme) { return assets::themePackName(theme); }
std::string levelPackFileName(int pack) { return assets::levelPackName(pack); }
std::string themeTitle(int theme)
{
    static const char* const titles[] = {"Clay", "Frost", "Ember"};
    return titles[theme];
}
std::string levelPackTitle(int pack)
{
    static const char* const titles[] = {"Easy", "Medium", "Hard"};
    return titles[pack];
}

std::vector<PackEntry> encodePictures(const PictureList& pictures)
{
    std::vector<PackEntry> entries;
    for (const Picture& p : pictures)
        entries.push_back({p.name, p.format == Format::Bmp ? encodeBmp24(p.image) : encodeJpeg(p.image)});
    return entries;
}

namespace {

bool writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes, std::string& error)
{
    if (!writeFileAtomically(path.string(), bytes)) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

bool writePack(const std::filesystem::path& path, const std::vector<PackEntry>& entries, std::string& error)
{
    if (!writePackArchive(path.string(), entries)) {
        error = "cannot write pack " + path.string();
        return false;
    }
    return true;
}

// The pack's levels, compiled from their sources "pack<N>/<n>.txt" in the levels folder, in level
// order. A source that does not compile fails the generation with its message.
bool levelFiles(const std::string& levelsDir, int pack, std::vector<PackEntry>& entries, std::string& error)
{
    if (levelsDir.empty())
        return true;
    for (int n = 1; n <= kLevelsPerPack; ++n) {
        const auto path =
            std::filesystem::path(levelsDir) / ("pack" + std::to_string(pack)) / (std::to_string(n) + ".txt");
        std::ifstream in(path, std::ios::binary);
        if (!in)
            continue;
        const std::string text(std::istreambuf_iterator<char>(in), {});
        std::string message;
        std::optional<std::vector<std::uint8_t>> level = compileLevelSource(text, message);
        if (!level) {
            error = path.string() + ": " + message;
            return false;
        }
        entries.push_back({std::to_string(n) + ".ml_", std::move(*level)});
    }
    return true;
}

// Fails the generation when a pack's pictures differ from the asset manifest's.
bool matchesManifest(const PictureList& pictures, assets::PicturePack pack, std::string& error)
{
    error = checkAgainstManifest(pictures, pack);
    return error.empty();
}

bool writeSheets(const std::string& dir, const std::string& prefix, const PictureList& pictures, std::string& error)
{
    for (const Picture& p : pictures) {
        const auto path = std::filesystem::path(dir) / (prefix + p.name + ".png");
        if (!writeContactSheet(p, path.string())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

} // namespace

bool generateData(const GenerateOptions& options, std::string& error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(options.outDir, ec);
    if (!options.contactDir.empty())
        fs::create_directories(options.contactDir, ec);

    auto fonts = makeGameFonts(error);
    if (!fonts)
        return false;
    if (!loadFaces(fonts->sketch.bytes, fonts->round.bytes)) {
        error = "cannot load the generated fonts";
        return false;
    }
    struct FacesGuard {
        ~FacesGuard() { releaseFaces(); }
    } guard;
    const fs::path out(options.outDir);
    for (const GameFont* f : {&fonts->sketch, &fonts->round}) {
        if (!writeBytes(out / f->fileName, f->bytes, error) ||
            !writeBytes(out / f->licenceFileName, std::vector<std::uint8_t>(f->licenceText.begin(), f->licenceText.end()), error))
            return false;
    }

    std::string soundFontNotice;
    if (!soundFontLicence(options.soundFontCopyright, soundFontNotice, error) ||
        !writeBytes(out / kSoundFontLicenceFile, std::vector<std::uint8_t>(soundFontNotice.begin(), soundFontNotice.end()), error))
        return false;

    const PictureList standard = standardPictures();
    if (!matchesManifest(standard, assets::PicturePack::Standard, error))
        return false;
    std::vector<PackEntry> standardEntries = encodePictures(standard);
    if (!makeSoundMembers({options.soundFont, options.contactDir, options.soundReport}, standardEntries, error) ||
        !writePack(out / assets::kStandardPackName, standardEntries, error))
        return false;
    if (!options.contactDir.empty() && !writeSheets(options.contactDir, "standart-", standard, error))
        return false;

    for (int theme = 0; theme < kThemeCount; ++theme) {
        const PictureList pictures = themePictures(theme);
        if (!matchesManifest(pictures, assets::PicturePack::Theme, error))
            return false;
        std::vector<PackEntry> entries{{"pak.dsc", packDescription(kThemePackType, themeTitle(theme), theme, 0, 0)}};
        for (PackEntry& e : encodePictures(pictures))
            entries.push_back(std::move(e));
        if (!writePack(out / themePackFileName(theme), entries, error))
            return false;
        if (!options.contactDir.empty() &&
            !writeSheets(options.contactDir, "theme" + std::to_string(theme) + "-", pictures, error))
            return false;
    }

    for (int pack = 0; pack < kLevelPackCount; ++pack) {
        const PictureList pictures{levelPackEmblem(pack)};
        if (!matchesManifest(pictures, assets::PicturePack::Level, error))
            return false;
        std::vector<PackEntry> entries{
            {"pak.dsc", packDescription(kLevelPackType, levelPackTitle(pack), pack, pack, kLevelsPerPack)}};
        for (PackEntry& e : encodePictures(pictures))
            entries.push_back(std::move(e));
        if (!levelFiles(options.levelsDir, pack, entries, error))
            return false;
        if (!writePack(out / levelPackFileName(pack), entries, error))
            return false;
        if (!options.contactDir.empty() &&
            !writeSheets(options.contactDir, "levels" + std::to_string(pack) + "-", pictures, error))
            return false;
    }
    return true;
}

} // namespace burrowix::mkdata
