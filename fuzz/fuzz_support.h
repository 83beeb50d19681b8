#pragma once
// What the fuzz targets share: a private folder for the files a reader must be
// given by name, removed when the process ends.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace mosarin::fuzz {

// A folder of this process's own in /dev/shm, or else under the system's temporary folder.
const std::filesystem::path& scratchFolder();

// Replaces `name` in the scratch folder with `bytes` and returns its path.
std::filesystem::path writeScratchFile(const char* name, std::string_view bytes);

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace mosarin::fuzz
