// The WAVE chunk walk on arbitrary bytes; what it finds must lie inside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/riff_wave.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    burrowix::WaveImage wave;
    if (burrowix::parseWaveImage(data, size, wave)) {
        if (wave.samples < data || wave.samples + wave.length > data + size)
            std::abort();
        volatile std::uint8_t sum = 0;
        for (std::uint32_t i = 0; i < wave.length; ++i)
            sum = static_cast<std::uint8_t>(sum + wave.samples[i]);
    }
    return 0;
}
