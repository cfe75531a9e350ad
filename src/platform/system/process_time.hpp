#pragma once
// Milliseconds since this process was started by the system (not since main began), for the
// start-up log.

namespace burrowix {

// -1 when the system does not tell.
long millisecondsSinceProcessStart();

} // namespace burrowix
