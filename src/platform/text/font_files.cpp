#include "platform/text/font_files.hpp"

#include "platform/system/regular_file.hpp"

#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace burrowix {

FontFileTable theFontFiles;

namespace {

// Faces tried, in order, when a face is unknown and the program added no font file.
constexpr const char* kSystemFaces[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/freefont/FreeSans.ttf",
};

bool sameFace(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

bool startFontEngine()
{
    return TTF_WasInit() > 0 || TTF_Init() == 0;
}

int addFontFile(const std::string& path)
{
    // The font library opens the file blocking: a pipe in its place would hang the start.
    if (reportIfNotRegularFile(path) || !startFontEngine())
        return 0;
    TTF_Font* font = TTF_OpenFont(path.c_str(), 12);
    if (!font)
        return 0;
    const char* family = TTF_FontFaceFamilyName(font);
    const std::string name = family ? family : "";
    TTF_CloseFont(font);
    if (name.empty())
        return 0;
    const auto known = std::find_if(theFontFiles.files.begin(), theFontFiles.files.end(),
                                    [&](const FontFile& f) { return f.path == path; });
    if (known == theFontFiles.files.end())
        theFontFiles.files.push_back({path, name});
    return 1;
}

int removeFontFile(const std::string& path)
{
    auto& files = theFontFiles.files;
    const auto it = std::find_if(files.begin(), files.end(), [&](const FontFile& f) { return f.path == path; });
    if (it == files.end())
        return 0;
    files.erase(it);
    return 1;
}

std::string fontFileForFace(std::string_view face)
{
    for (const FontFile& f : theFontFiles.files)
        if (sameFace(f.family, face))
            return f.path;
    if (!theFontFiles.files.empty())
        return theFontFiles.files.front().path;
    std::error_code ec;
    for (const char* path : kSystemFaces)
        if (std::filesystem::exists(path, ec))
            return path;
    return {};
}

} // namespace burrowix
