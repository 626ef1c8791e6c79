// Every data file of the game and the front end, made in memory, and the contact sheet.
#pragma once

#include "data/assets.h"
#include "tools/datagen/image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace crv::datagen {

struct FontPaths {
    std::string sheet; // monospaced face for the game's font sheet
    std::string title; // face for the title banner and the contact sheet's labels
};

/// Every picture before it is encoded.
struct Pictures {
    std::array<Image, blockTextureCount> blockTextures;
    Image panel;
    Image background;
    Image fontSheet;
    Image title;
    Image about;
    std::vector<Image> icons; // one per entry of `iconFiles`
    Image gameIcon;           // `gameIconFile`: the same picture on a black ground
};

struct DataFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

/// The files in the order data/assets.h names them.
struct GameData {
    std::vector<DataFile> gameFiles;     // read by the game from its working directory
    std::vector<DataFile> frontendFiles; // PNGs that the front end embeds
};

bool makePictures(const FontPaths& fonts, Pictures& pictures, std::string& error);

/// Encodes the pictures and makes the sounds; the same input gives the same bytes every time.
GameData encodeGameData(const Pictures& pictures);

/// One PNG with every picture side by side, small ones enlarged, and the font as the game
/// shows it (cells stretched to squares).
bool makeContactSheet(const Pictures& pictures, const FontPaths& fonts, Image& sheet,
                      std::string& error);

} // namespace crv::datagen
