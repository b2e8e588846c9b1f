#include <gtest/gtest.h>

#include <system_error>

#include "datafile/file_access.h"
#include "datafile_support.h"

namespace velmora {
namespace {

using test::failureOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::string describe(std::errc error) {
    return std::make_error_code(error).message();
}

TEST(ReadWholeFile, GivesEveryByte) {
    TempDir dir;
    const std::string bytes("a\0\r\n\xFF", 5);
    writeBytes(dir.file("data.txt"), bytes);
    EXPECT_EQ(readWholeFile(dir.file("data.txt")), bytes);
}

TEST(ReadWholeFile, AMissingFileOrAFolderFails) {
    TempDir dir;
    const std::string missing = dir.file("missing.txt");
    EXPECT_EQ(failureOf([&] { readWholeFile(missing); }),
              "Cannot open file \"" + missing + "\". " + describe(std::errc::no_such_file_or_directory));
    const std::string folder = dir.path().string();
    EXPECT_EQ(failureOf([&] { readWholeFile(folder); }),
              "Cannot open file \"" + folder + "\". " + describe(std::errc::is_a_directory));
}

TEST(ReplaceFile, CreatesOrReplacesTheFileAndLeavesNothingElse) {
    TempDir dir;
    const std::string target = dir.file("data.txt");
    replaceFile(target, "first\r\n");
    EXPECT_EQ(readBytes(target), "first\r\n");
    replaceFile(target, "2");
    EXPECT_EQ(readBytes(target), "2");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"data.txt"});
}

TEST(ReplaceFile, AFileWithTheTemporaryNameIsLeftAlone) {
    TempDir dir;
    const std::string target = dir.file("data.txt");
    writeBytes(target + ".velmora-0.tmp", "someone's file");
    replaceFile(target, "new");
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(readBytes(target + ".velmora-0.tmp"), "someone's file");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.txt", "data.txt.velmora-0.tmp"}));
}

TEST(ReplaceFile, AFolderThatDoesNotExistFails) {
    TempDir dir;
    const std::string target = dir.file("nowhere/data.txt");
    EXPECT_EQ(failureOf([&] { replaceFile(target, "x"); }),
              "Cannot create file \"" + target + "\". " + describe(std::errc::no_such_file_or_directory));
    EXPECT_TRUE(dir.entries().empty());
}

TEST(ReplaceFile, ATargetThatIsAFolderFailsAndKeepsTheFolderWithItsFiles) {
    TempDir dir;
    const std::string target = dir.file("data.txt");
    std::filesystem::create_directory(target);
    writeBytes(dir.file("data.txt/inside.txt"), "kept");
    writeBytes(dir.file("other.txt"), "untouched");

    const std::string message = failureOf([&] { replaceFile(target, "x"); });
    EXPECT_EQ(message.rfind("Cannot create file \"" + target + "\". ", 0), 0u) << message;
    EXPECT_GT(message.size(), ("Cannot create file \"" + target + "\". ").size());

    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(readBytes(dir.file("data.txt/inside.txt")), "kept");
    EXPECT_EQ(readBytes(dir.file("other.txt")), "untouched");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.txt", "other.txt"}));
}

TEST(ReplaceFile, WritesThroughALinkAndKeepsThePermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no owner and group permission bits, and creating a link needs a privilege there";
#endif
    TempDir dir;
    const std::string real = dir.file("real.txt");
    writeBytes(real, "old");
    namespace fs = std::filesystem;
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, dir.file("link.txt"));

    replaceFile(dir.file("link.txt"), "new");

    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"link.txt", "real.txt"}));
}

} // namespace
} // namespace velmora
