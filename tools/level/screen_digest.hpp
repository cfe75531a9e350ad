#pragma once
// A short fingerprint of a picture's colours, for telling in a script or a test whether two screens
// show the same pixels without saving them.

#include <string>

namespace burrowix {

class Surface;

// {"digest":"<16 hex digits>"}: FNV-1a (64 bits) over the size and every pixel's red, green and blue.
std::string screenDigestLine(const Surface& surface);

} // namespace burrowix
