#include "platform/image/pixel_memory.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "platform/display/surface.hpp"

namespace burrowix {
namespace {

TEST(PixelMemory, SmallAndMappedBlocksStartZeroedAndHoldWhatIsWritten)
{
    // Below, at and well above the size from which blocks are mapped.
    for (std::size_t words : {std::size_t(10), kMappedPixelBytes / 4, kMappedPixelBytes, std::size_t(3) << 20}) {
        PixelWords pixels(words);
        ASSERT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p == 0; })) << words;
        for (std::size_t i = 0; i < words; ++i)
            pixels[i] = std::uint32_t(i * 2654435761u);
        // Growing moves the pixels into a new block and frees the old one.
        pixels.resize(words + 1000, 7u);
        for (std::size_t i = 0; i < words; i += 997)
            ASSERT_EQ(pixels[i], std::uint32_t(i * 2654435761u)) << words;
        EXPECT_EQ(pixels.back(), 7u);
    }
}

TEST(PixelMemory, ASurfaceTakesDecodedPixelsOnlyWhenTheyFillItsSize)
{
    PixelWords pixels(6);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = std::uint32_t(i + 1);
    const std::uint32_t* memory = pixels.data();
    Surface surface(3, 2, std::move(pixels));
    EXPECT_EQ(surface.row(0), memory); // taken over, not copied
    EXPECT_EQ(surface.pitchWords(), 3);
    EXPECT_EQ(surface.pixel(0, 0), 1u);
    EXPECT_EQ(surface.pixel(2, 1), 6u);

    EXPECT_THROW(Surface(3, 3, PixelWords(6)), std::invalid_argument);
    EXPECT_THROW(Surface(0, 2, PixelWords()), std::invalid_argument);
}

} // namespace
} // namespace burrowix
