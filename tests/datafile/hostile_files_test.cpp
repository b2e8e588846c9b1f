// Files a desktop user may point Velmora at, and saves the disk refuses:
// every one ends with one of the system's messages, quickly, and no file is
// damaged that the user did not mean to write.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <random>
#include <regex>
#include <system_error>

#include "datafile/data_file.h"
#include "datafile/file_access.h"
#include "datafile_support.h"
#include "rtl/messages.h"

namespace velmora {
namespace {

using test::earlierWindow;
using test::failureOf;
using test::readBytes;
using test::snapshotOf;
using test::TempDir;
using test::WindowSnapshot;
using test::writeBytes;

// The sanitizers' debug build runs many times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitizedBuild = true;
#else
constexpr bool sanitizedBuild = false;
#endif

const std::string& header = test::fileHeader;

// The saved file of a window of n nodes after New data, with the corner
// cells of each table filled so that both ends of every section are read.
std::string fileOfNodes(std::int32_t n) {
    WindowState state;
    state.nodeCountText = std::to_string(n);
    newData(state);
    for (Table* table : {&state.flows, &state.od, &state.probabilities}) {
        table->setCell(1, 0, "11");
        table->setCell(table->columnCount() - 1, n - 1, "99");
    }
    return dataFileBytes(state);
}

#ifndef _WIN32
// Files are limited to a few bytes while it lives: a write beyond them fails
// with "File too large" once the temporary file exists, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};
#endif

class HostileFile : public ::testing::Test {
protected:
    std::string open(const std::string& bytes) {
        writeBytes(dir.file("data.txt"), bytes);
        return failureOf([&] { openData(state, dir.file("data.txt")); });
    }

    TempDir dir;
    WindowState state = earlierWindow();
};

TEST_F(HostileFile, FiftyMegabytesOfRandomBytesEndQuicklyWithASystemMessage) {
    std::mt19937_64 random(20261211);
    std::string bytes(50 * 1024 * 1024, '\0');
    for (std::size_t k = 0; k < bytes.size(); k += 8) {
        const std::uint64_t word = random();
        std::memcpy(&bytes[k], &word, 8);
    }
    std::string withoutNul = bytes;
    std::replace(withoutNul.begin(), withoutNul.end(), '\0', 'x');
    const WindowSnapshot before = snapshotOf(state);

    // A NUL soon ends the text; without one, line 1 is no node count.
    const std::regex systemMessage(
        "List index out of bounds \\([01]\\)|'[^]*' is not a valid integer value for Integer type");
    for (const std::string* file : {&bytes, &withoutNul}) {
        const auto start = std::chrono::steady_clock::now();
        const std::string message = open(*file);
        const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_TRUE(std::regex_match(message, systemMessage)) << message.substr(0, 200);
        EXPECT_LT(message.size(), 10000u);
        EXPECT_EQ(snapshotOf(state), before) << "the count is never applied";
        // About a second in a release build; the bound is there to catch a
        // hang or a quadratic step.
        EXPECT_LT(seconds, sanitizedBuild ? 300.0 : 15.0);
    }
}

TEST_F(HostileFile, CountsBeyondTheBoundOrBelowZero) {
    WindowSnapshot before = snapshotOf(state);
    EXPECT_EQ(open(test::crlfLines({header, "2147483647\t200\t-1\t0\t0"})),
              messages::nodeCountTooLarge(2147483647, maximumNodeCount));
    EXPECT_EQ(snapshotOf(state), before) << "refused before the first change";

    // A negative count is ignored by the flow table, then New data finds
    // matrices without columns.
    EXPECT_EQ(open(test::crlfLines({header, "-5\t50\t0\t-1\t0"})), "Column index, 0, out of bounds");
    EXPECT_EQ(state.flows.rowCount(), 3);
    EXPECT_EQ(snapshotOf(state.flows), before.flows);
    EXPECT_EQ(state.nodeCountText, "-5");
    EXPECT_EQ(state.iterationLimitText, "50");
    EXPECT_TRUE(state.modes.isSelected(Mode::ODByProbability));
    EXPECT_EQ(state.od.columnCount(), 0);
    EXPECT_EQ(state.probabilities.columnCount(), 0);
}

TEST_F(HostileFile, TheBoundItselfOpensAndOneMoreIsRefused) {
    const std::string thousand = fileOfNodes(maximumNodeCount);
    EXPECT_EQ(open(thousand), "");
    EXPECT_EQ(state.nodeCountText, "1000");
    for (const Table* table : {&state.flows, &state.od, &state.probabilities}) {
        EXPECT_EQ(table->rowCount(), 1000);
        EXPECT_EQ(table->cell(1, 0), "11");
        EXPECT_EQ(table->cell(table->columnCount() - 1, 999), "99");
    }
    EXPECT_EQ(state.od.columnCount(), 1001);

    state = earlierWindow();
    const WindowSnapshot before = snapshotOf(state);
    std::string beyond = thousand;
    beyond.replace(beyond.find("\r\n1000\t") + 2, 4, "1001");
    EXPECT_EQ(open(beyond), messages::nodeCountTooLarge(1001, maximumNodeCount));
    EXPECT_EQ(snapshotOf(state), before);
}

TEST_F(HostileFile, AMegabyteLine) {
    const std::string megabyte(1024 * 1024, 'x');
    std::vector<std::string> lines{header,      "2\t200\t-1\t0\t0", "Node", "1\t150\t90\t0", "2\t90\t150\t0", "O/D",
                                   "1\t0\t150", "2\t90\t0",         "O/D",  "1\t0\t1",       "2\t1\t0"};

    // Leading zeros do not count against the 32-bit range.
    std::vector<std::string> longCount = lines;
    longCount[1] = std::string(1024 * 1024, '0') + "2\t200\t-1\t0\t0";
    EXPECT_EQ(open(test::crlfLines(longCount)), "");
    EXPECT_EQ(state.nodeCountText.size(), 1024u * 1024 + 1);
    EXPECT_EQ(state.od.rowCount(), 2);
    EXPECT_EQ(state.od.cell(2, 0), "150");

    // A megabyte cell is a text like any other.
    std::vector<std::string> longCell = lines;
    longCell[6] = "1\t" + megabyte + "\t150";
    EXPECT_EQ(open(test::crlfLines(longCell)), "");
    EXPECT_EQ(state.od.cell(1, 0), megabyte);
    EXPECT_EQ(state.probabilities.cell(2, 1), "0");

    // Digits beyond the range fail with the whole text.
    std::vector<std::string> longNumber = lines;
    longNumber[1] = std::string(1024 * 1024, '9') + "\t200\t-1\t0\t0";
    state = earlierWindow();
    WindowSnapshot before = snapshotOf(state);
    EXPECT_EQ(open(test::crlfLines(longNumber)),
              "'" + std::string(1024 * 1024, '9') + "' is not a valid integer value for Integer type");
    EXPECT_EQ(snapshotOf(state), before);

    // A megabyte of tabs in an O/D row runs past the last column.
    std::vector<std::string> tabs = lines;
    tabs[7] = "2" + std::string(1024 * 1024, '\t');
    EXPECT_EQ(open(test::crlfLines(tabs)), "Column index, 3, out of bounds");
    EXPECT_EQ(state.od.cell(0, 1), "2");
    EXPECT_EQ(state.od.cell(1, 1), "");
    EXPECT_EQ(state.probabilities.cell(1, 0), "") << "the rows after the failing one are not read";
}

TEST_F(HostileFile, AFileFarBeyondAnyRoundaboutIsRefusedWithoutReadingIt) {
    const WindowSnapshot before = snapshotOf(state);
    const std::string tooLarge = ". " + std::make_error_code(std::errc::file_too_large).message();

    // Sparse: it takes no room on the disk, and none in memory either.
    const std::string huge = dir.file("film.txt");
    writeBytes(huge, "");
    std::filesystem::resize_file(huge, std::uintmax_t{8} * 1024 * 1024 * 1024);
    EXPECT_EQ(failureOf([&] { openData(state, huge); }), "Cannot open file \"" + huge + "\"" + tooLarge);

    // A device that never ends is cut off at the bound.
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(failureOf([&] { openData(state, "/dev/zero"); }), "Cannot open file \"/dev/zero\"" + tooLarge);
    }
    EXPECT_EQ(snapshotOf(state), before);

    // A file of exactly the bound is read: its NUL bytes end the text at once.
    const std::string largest = dir.file("largest.txt");
    writeBytes(largest, "");
    std::filesystem::resize_file(largest, maximumDataFileSize);
    EXPECT_EQ(failureOf([&] { openData(state, largest); }), "List index out of bounds (1)");
    EXPECT_EQ(snapshotOf(state), before);
}

// A full disk is made with the file size limit of POSIX systems.
#ifndef _WIN32
TEST(HostileSave, AWriteThatFailsLeavesTheOldFileByteForByteAndNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir.file("data.txt");
    std::string old(5000, '\0');
    for (std::size_t k = 0; k < old.size(); ++k)
        old[k] = static_cast<char>(k * 31 % 256);
    writeBytes(target, old);

    std::string message;
    {
        const FileSizeLimit limit(16);
        message = failureOf([&] { saveData(test::exampleState(), target); });
    }
    EXPECT_EQ(message,
              "Cannot create file \"" + target + "\". " + std::make_error_code(std::errc::file_too_large).message());
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"data.txt"});

    // Once the disk takes the bytes again, the same save goes through.
    saveData(test::exampleState(), target);
    EXPECT_EQ(readBytes(target), test::exampleFileBytes());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"data.txt"});
}
#endif

} // namespace
} // namespace velmora
