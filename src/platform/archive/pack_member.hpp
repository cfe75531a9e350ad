#pragma once
// One directory entry of a pack archive, with the state of its temporary copy.

#include <cstdint>
#include <string>

namespace burrowix {

struct PackMember {
    std::string name;          // bare file name; lookups ignore case
    std::uint32_t offset = 0;  // absolute file offset of the first data byte
    std::uint32_t size = 0;    // size in bytes as the directory gives it
    bool extracted = false;    // set while a temporary copy exists
    std::string tempPath;      // the copy's path; meaningful only while `extracted` is set
};

} // namespace burrowix
