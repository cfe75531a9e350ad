#include "jpeg_writer.hpp"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace burrowix::mkdata {
namespace {

struct ErrorTrap {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const Image& image, int quality)
{
    std::vector<std::uint8_t> result;
    if (image.width <= 0 || image.height <= 0)
        return result;

    jpeg_compress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.base);
    trap.base.error_exit = onError;
    trap.base.output_message = onMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = FALSE;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = std::size_t(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.rgb.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    result.assign(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

} // namespace burrowix::mkdata
