#pragma once
// Loading a picture by name: found in the current pack, else in the standard pack, else as a plain
// file; decoded by the kind its upper-cased name mentions anywhere (".JPG" or ".JPEG", ".GIF",
// ".TGA", ".PCX"; anything else is read as a Windows bitmap). The archives' temporary copies are
// deleted before loadImage returns.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image/bitmap.hpp"
#include "platform/image/decoded_image.hpp"

namespace burrowix {

// The decoded picture, or nothing; `error`, when given, receives the decoder's message.
std::optional<Bitmap> loadImage(std::string_view name, std::string* error = nullptr);

// Several pictures at once, as loadImage would give them one by one: the copies are taken out of
// the archives in order, then decoded on all cores.
std::vector<std::optional<Bitmap>> loadImages(std::span<const std::string_view> names);

// The decoder loadImage picks for a name (nothing for a bitmap).
std::optional<ImageFormat> imageFormatForName(std::string_view name);

// Decodes the file at `path` with the decoder for `format`.
std::optional<Bitmap> decodeImageFile(const std::string& path, ImageFormat format,
                                      std::string* error = nullptr);

// Reads a bitmap file from disk.
std::optional<Bitmap> loadBitmapFile(const std::string& path, std::string* error = nullptr);

} // namespace burrowix
