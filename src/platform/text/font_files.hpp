#pragma once
// The program's own font table: font files the program adds at start-up and removes at close, found
// by the family name stored in each file, the way a system font table finds a face by name. A face
// name nobody registered resolves to a default face, so text is never silently dropped.

#include <string>
#include <string_view>
#include <vector>

namespace burrowix {

struct FontFile {
    std::string path;
    std::string family;
};

struct FontFileTable {
    std::vector<FontFile> files;

    void reset() { files.clear(); }
};

extern FontFileTable theFontFiles;

// Adds the font file at `path`; the number of faces added: 1, or 0 when the file is not a readable
// font. Adding a file twice keeps one entry.
int addFontFile(const std::string& path);

// Removes a file added before; 1 when it was in the table, 0 otherwise.
int removeFontFile(const std::string& path);

// The file of the face named `face` (letter case ignored, as face names are matched); otherwise the
// default face: the first file added, else a common system face. Empty when there is none at all.
std::string fontFileForFace(std::string_view face);

// Starts the font engine once; false when it cannot start.
bool startFontEngine();

} // namespace burrowix
