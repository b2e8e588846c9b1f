// Reading and replacing the data file on disk (paths are UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The largest file Open data reads. A roundabout of 1000 nodes whose cells
// all hold numbers saves well under 50 MB; anything far beyond that is not
// a data file, and reading it whole (a film, a disk image, /dev/zero) would
// only exhaust memory.
inline constexpr std::uintmax_t maximumDataFileSize = 128 * 1024 * 1024;

// The whole file's bytes. Fails with "Cannot open file "%s". %s" (the path
// and the system's description) when it cannot be read, a folder included,
// and when it holds more than maximumDataFileSize bytes ("File too large").
std::string readWholeFile(const std::string& path);

// Writes the bytes to a new file beside the target and puts it in the
// target's place only once every byte is on disk, so a failure leaves an
// existing file as it was and no partial file behind. Fails with
// "Cannot create file "%s". %s" (the path and the system's description).
void replaceFile(const std::string& path, std::string_view bytes);

} // namespace velmora
