// Reading and replacing the data file on disk (paths are UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The whole file's bytes. Fails with "Cannot open file "%s". %s" (the path
// and the system's description) when it cannot be read, a folder included.
std::string readWholeFile(const std::string& path);

// Writes the bytes to a new file beside the target and puts it in the
// target's place only once every byte is on disk, so a failure leaves an
// existing file as it was and no partial file behind. Fails with
// "Cannot create file "%s". %s" (the path and the system's description).
void replaceFile(const std::string& path, std::string_view bytes);

} // namespace velmora
