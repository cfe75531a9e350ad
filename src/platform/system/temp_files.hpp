#pragma once
// The user's temporary folder and unique temporary files in it. Copies of pack members and other
// short-lived files go here; every name begins with "ru" and ends in ".tmp".

#include <string>

namespace burrowix {

// $TMPDIR when set and non-empty, otherwise /tmp; always ends in '/'.
std::string temporaryFolder();

// Creates a new empty file "ruXXXXXX.tmp" in temporaryFolder(), exclusively and with mode 0600.
// Returns its open descriptor (close-on-exec) and stores the path in `path`; -1 (and an empty path)
// on failure.
int createTemporaryFile(std::string& path);

// As createTemporaryFile, but closes the descriptor: the path of the new empty file, or "" on failure.
std::string makeTemporaryFile();

} // namespace burrowix
