#include <gtest/gtest.h>

#include "datafile/data_file.h"
#include "datafile/data_writer.h"
#include "datafile/text_lines.h"
#include "datafile_support.h"

namespace velmora {
namespace {

using test::crlfLines;
using test::exampleState;
using test::failureOf;
using test::readBytes;
using test::TempDir;

TEST(SaveData, TheTwoNodeWindowGivesTheReferenceFileByteForByte) {
    TempDir dir;
    saveData(exampleState(), dir.file("example.txt"));
    const std::string bytes = readBytes(dir.file("example.txt"));
    EXPECT_EQ(bytes.size(), 202u);
    EXPECT_EQ(bytes, test::exampleFileBytes());
    EXPECT_EQ(bytes.substr(76, 14), "\x32\x09\x32\x30\x30\x09\x2D\x31\x09\x30\x09\x30\x0D\x0A");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"example.txt"});
}

TEST(SaveData, NoNodesGiveFiveLines) {
    WindowState state;
    state.nodeCountText = "0";
    newData(state);
    EXPECT_EQ(dataFileText(state), crlfLines({"Nodi\tIterazioni\tRicava_QeQuQc\tRicava_MatriceOD(P)\tRicava_MatriceOD("
                                              "Fratar)",
                                              "0\t200\t-1\t0\t0", "Node\tQ.in\tQ.out\tQ.cir", "O/D", "O/D"}));
}

TEST(SaveData, WritesWhatTheTablesHoldAtThisMoment) {
    WindowState state = exampleState();
    state.nodeCountText = "7"; // typed but not applied: the flow table's rows count
    state.iterationLimitText = " 50 ";
    state.modes.select(Mode::ODByFratar);
    state.flows.setCell(0, 1, "");  // column 0 is verbatim, even blank
    state.flows.setCell(3, 0, " "); // spaces are not blank
    state.od.setCell(0, 0, "");
    state.od.column(2).header = "Due";
    state.probabilities.moveColumn(2, 1);

    const std::string text = dataFileText(state);
    EXPECT_EQ(text,
              crlfLines({"Nodi\tIterazioni\tRicava_QeQuQc\tRicava_MatriceOD(P)\tRicava_MatriceOD(Fratar)",
                         "2\t 50 \t0\t0\t-1", "Node\tQ.in\tQ.out\tQ.cir", "1\t150\t90\t ", "\t90\t150\t0",
                         "O/D\t1\tDue", "\t0\t150", "2\t90\t0", "O/D\t2\t1", "1\t1,000\t0,000", "2\t0,000\t1,000"}));
}

TEST(SaveData, NoModeSelectedGivesThreeZeroFlags) {
    WindowState state = exampleState();
    state.modes.setSelected(Mode::FlowsFromOD, false);
    EXPECT_EQ(splitLines(dataFileText(state))[1], "2\t200\t0\t0\t0");
}

TEST(SaveData, TextIsWrittenInWindows1252WithQuestionMarksForTheRest) {
    TempDir dir;
    WindowState state = exampleState();
    state.iterationLimitText = "€ é Ω";
    saveData(state, dir.file("data.txt"));
    const std::string bytes = readBytes(dir.file("data.txt"));
    EXPECT_EQ(bytes.substr(76, 16), "2\t\x80 \xE9 ?\t-1\t0\t0\r\n");
}

TEST(SaveData, BeforeAnyNewDataFailsAndTouchesNoFile) {
    TempDir dir;
    const WindowState state;
    EXPECT_EQ(failureOf([&] { saveData(state, dir.file("new.txt")); }), "Column index, 0, out of bounds");
    EXPECT_TRUE(dir.entries().empty());

    test::writeBytes(dir.file("old.txt"), "old content\r\n");
    EXPECT_EQ(failureOf([&] { saveData(state, dir.file("old.txt")); }), "Column index, 0, out of bounds");
    EXPECT_EQ(readBytes(dir.file("old.txt")), "old content\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.txt"});
}

TEST(SaveData, ATargetThatCannotBeCreatedReportsItAndLeavesNothing) {
    TempDir dir;
    const std::string missingFolder = dir.file("missing/data.txt");
    EXPECT_EQ(failureOf([&] { saveData(exampleState(), missingFolder); }),
              "Cannot create file \"" + missingFolder + "\". " +
                  std::make_error_code(std::errc::no_such_file_or_directory).message());

    std::filesystem::create_directory(dir.file("folder"));
    const std::string message = failureOf([&] { saveData(exampleState(), dir.file("folder")); });
    EXPECT_EQ(message.rfind("Cannot create file \"" + dir.file("folder") + "\". ", 0), 0u) << message;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
}

} // namespace
} // namespace velmora
