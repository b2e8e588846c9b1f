#include "datafile/file_access.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The system's description of the last failed stream operation; streams
// report no error code of their own, so errno is the best source, with a
// general input/output error when it tells nothing.
std::string lastErrorDescription() {
    const int error = errno;
    return error != 0 ? std::generic_category().message(error) : std::make_error_code(std::errc::io_error).message();
}

// A name beside the target that no file has yet; none when all are taken,
// since writing over one of them would destroy someone's file.
std::optional<fs::path> temporaryPathFor(const fs::path& target) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fs::path candidate = target;
        candidate += ".velmora-" + std::to_string(attempt) + ".tmp";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate;
    }
    return std::nullopt;
}

// Replacing a link would cut it; the file it points to is the user's file.
fs::path resolvedTarget(const fs::path& target) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::path resolved = fs::weakly_canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

} // namespace

std::string readWholeFile(const std::string& path) {
    const fs::path file = pathOf(path);
    std::error_code error;
    if (fs::is_directory(file, error))
        throw Failure(messages::cannotOpenFile(path, std::make_error_code(std::errc::is_a_directory).message()));
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Failure(messages::cannotOpenFile(path, lastErrorDescription()));
    // Read in blocks: the file of a large roundabout has several megabytes.
    std::string bytes;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw Failure(messages::cannotOpenFile(path, lastErrorDescription()));
    return bytes;
}

void replaceFile(const std::string& path, std::string_view bytes) {
    const fs::path target = resolvedTarget(pathOf(path));
    const std::optional<fs::path> unused = temporaryPathFor(target);
    if (!unused)
        throw Failure(messages::cannotCreateFile(path, std::make_error_code(std::errc::file_exists).message()));
    const fs::path& temporary = *unused;
    const auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw Failure(messages::cannotCreateFile(path, reason));
    };

    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        throw Failure(messages::cannotCreateFile(path, lastErrorDescription()));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        fail(lastErrorDescription());
    out.close();
    if (!out)
        fail(lastErrorDescription());

    std::error_code error;
    // The replaced file keeps the permissions its owner gave it.
    if (const fs::file_status old = fs::status(target, error); fs::is_regular_file(old))
        fs::permissions(temporary, old.permissions(), error);
    error.clear();
    fs::rename(temporary, target, error);
    if (error)
        fail(error.message());
}

} // namespace velmora
