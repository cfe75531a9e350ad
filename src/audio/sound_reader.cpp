#include "audio/sound_reader.hpp"

#include <strings.h>

#include "audio/ogg_reader.hpp"
#include "audio/wav_reader.hpp"

namespace burrowix {

std::unique_ptr<SoundReader> createReaderForFile(const std::string& path)
{
    const auto dot = path.rfind('.');
    if (path.size() < 3 || dot == std::string::npos)
        return nullptr;
    const char* extension = path.c_str() + dot + 1;
    if (strcasecmp(extension, "wav") == 0)
        return std::make_unique<WavReader>();
    if (strcasecmp(extension, "ogg") == 0 || strcasecmp(extension, "tmp") == 0)
        return std::make_unique<OggReader>();
    return nullptr;
}

} // namespace burrowix
