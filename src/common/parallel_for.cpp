#include "common/parallel_for.hpp"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace burrowix {

namespace {

// No more helpers than this, however many cores there are: the work handed out is a few dozen
// pictures, and each helper costs a thread start.
constexpr unsigned kMaxHelpers = 7;

} // namespace

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work)
{
    std::atomic<std::size_t> next{0};
    auto drain = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            work(i);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t wanted = std::min<std::size_t>({cores - 1, kMaxHelpers, count > 0 ? count - 1 : 0});
    std::vector<std::thread> helpers;
    helpers.reserve(wanted);
    for (std::size_t i = 0; i < wanted; ++i) {
        try {
            helpers.emplace_back(drain);
        } catch (const std::system_error&) {
            break; // fewer helpers; the calling thread still does all that is left
        }
    }
    drain();
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace burrowix
