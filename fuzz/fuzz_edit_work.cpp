// Parses arbitrary text as the editor's work in progress; accepted work must keep its level and
// place through writing and reading it again, and a refusal must say why.
#include "editor/edit_work.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_edit_work: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    std::string reason;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto work = parseEditWork(text, reason);
    if (!work) {
        check(!reason.empty(), "a refusal without a reason");
        return 0;
    }
    check(work->place.view.left < work->level.width && work->place.view.top < work->level.height,
          "a view outside the level");
    const std::string again = encodeEditWork(work->level, work->place);
    const auto back = parseEditWork(again, reason);
    check(back.has_value(), reason.c_str());
    check(*back == *work, "the work changed through its file");
    return 0;
}
