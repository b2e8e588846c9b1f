// Shared by the data file tests: a scratch folder, raw file bytes and the
// two-node window whose saved file is the reference example.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/tables.h"
#include "tables/new_data.h"

namespace velmora::test {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

    // The names of everything in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Lines joined with CR LF after each, as the tool writes them.
inline std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::string exampleFileBytes() {
    return readBytes(std::string(TEST_DATA_DIR) + "/datafile/example.txt");
}

// Two nodes after New data, iteration limit 200, "Find Qe,Qu,Qc,P".
inline WindowState exampleState() {
    WindowState state;
    state.nodeCountText = "2";
    newData(state);
    fill(state.flows, {{"150", "90", ""}, {"90", "150", ""}});
    fill(state.od, {{"", "150"}, {"90", ""}});
    fill(state.probabilities, {{"0,000", "1,000"}, {"1,000", "0,000"}});
    return state;
}

// Everything a command can change, for comparing whole windows.
struct TableSnapshot {
    std::vector<std::string> headers;
    Rows cells;
    bool operator==(const TableSnapshot&) const = default;
};

struct WindowSnapshot {
    TableSnapshot flows, od, probabilities;
    std::string nodeCountText, iterationLimitText;
    std::vector<bool> modes;
    bool operator==(const WindowSnapshot&) const = default;
};

inline TableSnapshot snapshotOf(const Table& table) {
    TableSnapshot snapshot;
    for (int c = 0; c < table.columnCount(); ++c)
        snapshot.headers.push_back(table.column(c).header);
    snapshot.cells = texts(table, 0, table.columnCount() - 1);
    return snapshot;
}

inline WindowSnapshot snapshotOf(const WindowState& state) {
    WindowSnapshot snapshot{snapshotOf(state.flows), snapshotOf(state.od),     snapshotOf(state.probabilities),
                            state.nodeCountText,     state.iterationLimitText, {}};
    for (Mode mode : allModes)
        snapshot.modes.push_back(state.modes.isSelected(mode));
    return snapshot;
}

// The fixed first line of every data file.
inline const std::string fileHeader = "Nodi\tIterazioni\tRicava_QeQuQc\tRicava_MatriceOD(P)\tRicava_MatriceOD(Fratar)";

// A window that differs from every file the tests open: three nodes with
// flows typed in, a filled O/D matrix, iteration limit 77 and the Fratar mode.
inline WindowState earlierWindow() {
    WindowState state;
    state.nodeCountText = "3";
    newData(state);
    fill(state.flows, {{"a1", "b1", "c1"}, {"a2", "b2", "c2"}, {"a3", "b3", "c3"}});
    fill(state.od, {{"x", "x", "x"}, {"x", "x", "x"}, {"x", "x", "x"}});
    state.iterationLimitText = "77";
    state.modes.select(Mode::ODByFratar);
    return state;
}

} // namespace velmora::test
