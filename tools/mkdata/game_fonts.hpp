#pragma once
// The game's two font files, made from freely licensed Debian fonts by renaming their family, plus
// the licence texts that must travel with them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace burrowix::mkdata {

struct GameFont {
    std::string fileName;   // "Grf01z_c.ttf"
    std::string family;     // "Graffiti1CTT"
    std::vector<std::uint8_t> bytes;
    std::string licenceFileName;
    std::string licenceText;
};

struct GameFonts {
    GameFont sketch; // face index 0: hall-of-fame names and scores
    GameFont round;  // face index 1: the name-entry field
};

// Reads the source fonts and their licences from the system; nullopt with `error` set on failure.
std::optional<GameFonts> makeGameFonts(std::string& error);

// The licence part of a Debian copyright file, as plain text.
std::string licenceFromDebianCopyright(const std::string& copyright);

} // namespace burrowix::mkdata
