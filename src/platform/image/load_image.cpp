#include "platform/image/load_image.hpp"

#include <cctype>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include <sys/stat.h>

#include "common/parallel_for.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/image/bmp_reader.hpp"
#include "platform/image/image_decoders.hpp"

namespace burrowix {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// No picture file the game can use is larger than this.
constexpr std::size_t kMaxFileBytes = 512u << 20;

bool readWholeFile(std::FILE* f, std::vector<std::uint8_t>& out)
{
    out.clear();
    // A regular file is read in one piece into a buffer of its size; whatever else, or a file
    // that changes while it is read, in chunks.
    struct stat info{};
    if (::fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        if (std::uint64_t(info.st_size) > kMaxFileBytes)
            return false;
        try {
            out.resize(std::size_t(info.st_size));
        } catch (const std::bad_alloc&) {
            return false;
        }
        const std::size_t got = std::fread(out.data(), 1, out.size(), f);
        out.resize(got);
        if (got < std::size_t(info.st_size))
            return !std::ferror(f);
    }
    std::uint8_t chunk[65536];
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
        if (n == 0)
            return !std::ferror(f);
        if (out.size() + n > kMaxFileBytes)
            return false;
        try {
            out.insert(out.end(), chunk, chunk + n);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
}

void setError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

} // namespace

std::optional<ImageFormat> imageFormatForName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    auto has = [&](const char* s) { return upper.find(s) != std::string::npos; };
    if (has(".JPG") || has(".JPEG"))
        return ImageFormat::Jpeg;
    if (has(".GIF"))
        return ImageFormat::Gif;
    if (has(".TGA"))
        return ImageFormat::Tga;
    if (has(".PCX"))
        return ImageFormat::Pcx;
    return std::nullopt;
}

std::optional<Bitmap> decodeImageFile(const std::string& path, ImageFormat format, std::string* error)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        setError(error, "Can't open file");
        return std::nullopt;
    }
    DecodedImage image;
    bool ok = false;
    if (format == ImageFormat::Jpeg) {
        ok = decodeJpeg(file.get(), image);
    } else {
        std::vector<std::uint8_t> bytes;
        if (!readWholeFile(file.get(), bytes)) {
            setError(error, "Read Error");
            return std::nullopt;
        }
        switch (format) {
        case ImageFormat::Gif:
            ok = decodeGif(bytes, image);
            break;
        case ImageFormat::Tga:
            ok = decodeTga(bytes, image);
            break;
        case ImageFormat::Pcx:
            ok = decodePcx(bytes, image);
            break;
        default:
            image.error = "Unsupported operation for this format";
        }
    }
    if (!ok || !image.valid()) {
        setError(error, image.error);
        return std::nullopt;
    }
    try {
        return image.toBitmap();
    } catch (const std::bad_alloc&) {
        setError(error, "out of memory");
        return std::nullopt;
    }
}

std::optional<Bitmap> loadBitmapFile(const std::string& path, std::string* error)
{
    File file(std::fopen(path.c_str(), "rb"));
    std::vector<std::uint8_t> bytes;
    if (!file || !readWholeFile(file.get(), bytes)) {
        setError(error, file ? "Read Error" : "Can't open file");
        return std::nullopt;
    }
    Bitmap bitmap;
    std::string message;
    bool read = false;
    try {
        read = readBmp(bytes, bitmap, message);
    } catch (const std::bad_alloc&) {
        message = "out of memory";
    }
    if (!read) {
        setError(error, message);
        return std::nullopt;
    }
    return bitmap;
}

namespace {

// The file a picture name stands for: a temporary copy out of the current pack, else out of the
// standard pack, else the name itself as a path.
std::string locateImage(std::string_view name)
{
    std::optional<std::string> path;
    if (currentPack)
        path = currentPack->extractByName(name, true);
    if (!path && standardPack)
        path = standardPack->extractByName(name, true);
    return path ? *path : std::string(name);
}

std::optional<Bitmap> decodeImage(const std::string& path, std::string_view name, std::string* error)
{
    const std::optional<ImageFormat> format = imageFormatForName(name);
    return format ? decodeImageFile(path, *format, error) : loadBitmapFile(path, error);
}

void removeImageCopies()
{
    if (standardPack)
        standardPack->removeTempFiles();
    if (currentPack)
        currentPack->removeTempFiles();
}

} // namespace

std::optional<Bitmap> loadImage(std::string_view name, std::string* error)
{
    std::optional<Bitmap> bitmap = decodeImage(locateImage(name), name, error);
    removeImageCopies();
    return bitmap;
}

std::vector<std::optional<Bitmap>> loadImages(std::span<const std::string_view> names)
{
    // The archives are used from this thread only; the copies are decoded side by side.
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (std::string_view name : names)
        paths.push_back(locateImage(name));
    std::vector<std::optional<Bitmap>> bitmaps(names.size());
    parallelFor(names.size(), [&](std::size_t i) {
        try {
            bitmaps[i] = decodeImage(paths[i], names[i], nullptr);
        } catch (const std::exception&) {
            bitmaps[i].reset(); // a picture that cannot be held counts as missing
        }
    });
    removeImageCopies();
    return bitmaps;
}

} // namespace burrowix
