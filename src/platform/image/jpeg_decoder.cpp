// JPEG pictures through libjpeg. The library reports errors by calling a handler that must not
// return; ours jumps back into decodeJpeg, which then destroys the decompressor and fails. Nothing
// with a destructor lives in decodeJpeg's frame across the jump: the decompressor and the error
// record are plain C structures and the row buffer belongs to the library's own memory pool.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/image/image_decoders.hpp"

namespace burrowix {

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void jumpOnJpegError(j_common_ptr info)
{
    JpegError* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings are not printed; the game has no console.
extern "C" void ignoreJpegMessage(j_common_ptr) {}

bool giveUp(jpeg_decompress_struct& info, DecodedImage& image, const char* message)
{
    jpeg_destroy_decompress(&info);
    image.error = message;
    return false;
}

} // namespace

bool decodeJpeg(std::FILE* file, DecodedImage& image)
{
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnJpegError;
    error.manager.output_message = ignoreJpegMessage;
    error.message[0] = '\0';
    if (setjmp(error.jump))
        return giveUp(info, image, error.message);

    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file); // reads through a 4096-byte buffer
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return giveUp(info, image, "JPEG has no image");
    // Refuse oversized pictures before the library allocates anything for them.
    if (!DecodedImage::fits(info.image_width, info.image_height, 8 * info.num_components))
        return giveUp(info, image, "JPEG Create failed");
    jpeg_start_decompress(&info);

    const int components = info.output_components;
    if (!image.create(info.output_width, info.output_height, 8 * components))
        return giveUp(info, image, "JPEG Create failed");
    if (components == 1 && !info.quantize_colors) {
        image.setGreyPalette();
    } else if (info.quantize_colors && info.colormap) {
        for (int i = 0; i < info.actual_number_of_colors; ++i) {
            if (info.out_color_components >= 3)
                image.setPaletteEntry(i, info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]);
            else
                image.setPaletteEntry(i, info.colormap[0][i], info.colormap[0][i], info.colormap[0][i]);
        }
    }

    const JDIMENSION rowStride = info.output_width * JDIMENSION(components);
    JSAMPARRAY buffer = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, rowStride, 1);
    const int width = image.width();
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, buffer, 1) != 1)
            break;
        const JSAMPLE* s = buffer[0];
        std::uint8_t* row = image.row(y);
        if (!row)
            continue;
        if (components == 1) {
            for (int x = 0; x < width; ++x)
                row[x] = s[x];
        } else if (components == 3) {
            for (int x = 0; x < width; ++x, s += 3)
                image.setRgb(x, y, s[0], s[1], s[2]);
        } else if (components == 4) {
            for (int x = 0; x < width; ++x, s += 4) {
                const unsigned k = s[3];
                image.setRgb(x, y, std::uint8_t(s[0] * k / 255), std::uint8_t(s[1] * k / 255),
                             std::uint8_t(s[2] * k / 255));
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace burrowix
