#pragma once
// Runs independent pieces of work on all processor cores: the calling thread and up to one helper
// thread per further core take the next index until none is left.

#include <cstddef>
#include <functional>

namespace burrowix {

// Calls work(i) once for every i in [0, count), from several threads at once; returns when every
// call has returned. The calls must not touch shared state without their own care and must not
// throw. Without helper threads (one core, or none can be started) everything runs here, in order.
void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work);

} // namespace burrowix
