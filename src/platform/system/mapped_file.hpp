#pragma once
// A whole regular file mapped read-only into memory; unmapped when the object goes. The mapping stays
// valid after the file is deleted.

#include <cstddef>
#include <cstdint>
#include <string>

namespace burrowix {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile() { unmap(); }
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // False (and nothing mapped) when the file is missing, not a regular file, empty or unmappable.
    bool map(const std::string& path);
    // The same for a file already open for reading; the descriptor stays open and is the caller's.
    bool mapDescriptor(int fd);
    void unmap();

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace burrowix
