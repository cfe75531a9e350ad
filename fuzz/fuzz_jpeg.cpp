// JPEG decoding through the library's error handler on arbitrary bytes, read from a memory stream.
// A few header bytes can declare a picture of tens of millions of pixels, which the library then
// decodes from nothing (grey rows past the end of the data) at a few inputs a second; such inputs
// are left out once their header is read, so the time goes to inputs whose every byte matters. The
// decoder refuses sizes past its own limit by itself, and the code paths are the same for a small
// picture as for a large one.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include "platform/image/image_decoders.hpp"

namespace {

constexpr std::uint64_t kLargestFuzzedPixels = 256 * 256;

struct HeaderError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

extern "C" void jumpOnHeaderError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<HeaderError*>(info->err)->jump, 1);
}
extern "C" void quiet(j_common_ptr) {}

// The picture's size from its header; false when the header does not read. Nothing with a
// destructor lives across the jump.
bool declaredPixels(const std::uint8_t* data, std::size_t size, std::uint64_t& pixels)
{
    jpeg_decompress_struct info;
    HeaderError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnHeaderError;
    error.manager.output_message = quiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    const bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    pixels = std::uint64_t(info.image_width) * info.image_height;
    jpeg_destroy_decompress(&info);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::uint64_t pixels = 0;
    if (declaredPixels(data, size, pixels) && pixels > kLargestFuzzedPixels)
        return 0;
    std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    burrowix::DecodedImage image;
    if (burrowix::decodeJpeg(f, image))
        (void)image.toBitmap();
    std::fclose(f);
    return 0;
}
