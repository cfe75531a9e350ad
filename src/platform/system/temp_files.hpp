#pragma once
// The user's temporary folder and unique temporary files in it. Copies of pack members and other
// short-lived files go here; every name begins with "ru" and ends in ".tmp".

#include <string>

namespace burrowix {

// $TMPDIR when set and non-empty, otherwise /tmp; always ends in '/'. While a private folder is in
// use (below), that folder instead.
std::string temporaryFolder();

// Gives the process a folder of its own, "burrowix-<pid>-XXXXXX" (mode 0700) in the temporary
// folder, for its temporary files, so that whatever a killed process leaves is found and removed:
// first the folders of that pattern whose process no longer runs are removed (only the user's own).
// False (temporaryFolder() unchanged, errno set) when the folder cannot be made.
bool usePrivateTemporaryFolder();
// Removes the private folder with everything left in it; temporaryFolder() is the plain one again.
void removePrivateTemporaryFolder();

// Creates a new empty file "ruXXXXXX.tmp" in temporaryFolder(), exclusively and with mode 0600.
// Returns its open descriptor (close-on-exec) and stores the path in `path`; -1 (and an empty path)
// on failure.
int createTemporaryFile(std::string& path);

// As createTemporaryFile, but closes the descriptor: the path of the new empty file, or "" on failure.
std::string makeTemporaryFile();

} // namespace burrowix
