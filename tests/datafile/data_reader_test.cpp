#include <gtest/gtest.h>

#include "datafile/data_file.h"
#include "datafile_support.h"
#include "rtl/messages.h"

namespace velmora {
namespace {

using test::crlfLines;
using test::earlierWindow;
using test::failureOf;
using test::Rows;
using test::snapshotOf;
using test::TempDir;
using test::WindowSnapshot;

const std::string& header = test::fileHeader;

// The reference file's lines, to be varied one at a time.
std::vector<std::string> exampleLines() {
    return {header,
            "2\t200\t-1\t0\t0",
            "Node\tQ.in\tQ.out\tQ.cir",
            "1\t150\t90\t0",
            "2\t90\t150\t0",
            "O/D\t1\t2",
            "1\t0\t150",
            "2\t90\t0",
            "O/D\t1\t2",
            "1\t0,000\t1,000",
            "2\t1,000\t0,000"};
}

std::vector<bool> modesOf(const WindowState& state) {
    return snapshotOf(state).modes;
}

class OpenData : public ::testing::Test {
protected:
    // Opens a file holding the bytes; the failure's message, "" if none.
    std::string open(const std::string& bytes) {
        test::writeBytes(dir.file("data.txt"), bytes);
        return failureOf([&] { openData(state, dir.file("data.txt")); });
    }
    std::string open(const std::vector<std::string>& lines) { return open(crlfLines(lines)); }

    TempDir dir;
    WindowState state = earlierWindow();
};

TEST_F(OpenData, TheReferenceFileRestoresTheWindowWithBlanksAsZero) {
    EXPECT_EQ(open(test::exampleFileBytes()), "");
    EXPECT_EQ(state.nodeCountText, "2");
    EXPECT_EQ(state.iterationLimitText, "200");
    EXPECT_EQ(modesOf(state), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(test::texts(state.flows, 0, 3), (Rows{{"1", "150", "90", "0"}, {"2", "90", "150", "0"}}));
    EXPECT_EQ(test::texts(state.od, 0, 2), (Rows{{"1", "0", "150"}, {"2", "90", "0"}}));
    EXPECT_EQ(test::texts(state.probabilities, 0, 2), (Rows{{"1", "0,000", "1,000"}, {"2", "1,000", "0,000"}}));
    EXPECT_EQ(state.od.columnCount(), 3);
    EXPECT_EQ(state.probabilities.column(2).header, "2");
}

TEST_F(OpenData, OtherLineEndsEncodingsAndHeaderTextsOpenTheSame) {
    ASSERT_EQ(open(test::exampleFileBytes()), "");
    const WindowSnapshot expected = snapshotOf(state);

    const std::string crlf = test::exampleFileBytes();
    std::string lf, cr, utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (char c : crlf) {
        if (c != '\r')
            lf += c;
        if (c != '\n')
            cr += c;
        utf16le += {c, '\0'};
        utf16be += {'\0', c};
    }
    std::vector<std::string> otherHeaders = exampleLines();
    otherHeaders[0] = "";
    otherHeaders[2] = "anything at all";
    otherHeaders[5] = "\"unclosed";
    otherHeaders.push_back("lines after the last table are ignored\t\t");

    const std::vector<std::pair<std::string, std::string>> files{
        {"LF", lf},
        {"CR", cr},
        {"UTF-8", "\xEF\xBB\xBF" + crlf},
        {"UTF-16 LE", utf16le},
        {"UTF-16 BE", utf16be},
        {"no final break", crlf.substr(0, crlf.size() - 2)},
        {"text after a NUL", crlf + std::string(1, '\0') + "garbage\r\n"},
        {"other headers", crlfLines(otherHeaders)},
    };
    for (const auto& [name, bytes] : files) {
        state = earlierWindow();
        EXPECT_EQ(open(bytes), "") << name;
        EXPECT_EQ(snapshotOf(state), expected) << name;
    }
}

TEST_F(OpenData, CellsComeInUtf8WhateverTheFileEncoding) {
    std::vector<std::string> lines = exampleLines();
    lines[6] = "1\tcaf\xE9\t\x80";
    EXPECT_EQ(open(lines), "");
    EXPECT_EQ(test::texts(state.od, 0, 2)[0], (std::vector<std::string>{"1", "café", "€"}));

    state = earlierWindow();
    std::string utf16 = "\xFF\xFE";
    for (char c : crlfLines(exampleLines()))
        utf16 += {c, '\0'};
    utf16.replace(utf16.find(std::string("9\0"
                                         "0\0",
                                         4)),
                  2, std::string("\xAC\x20", 2)); // the first "90" becomes "€0"
    EXPECT_EQ(open(utf16), "");
    EXPECT_EQ(state.flows.cell(2, 0), "€0");
}

TEST_F(OpenData, FlagsSetTheModesInOrderSoTheLastTrueOneWins) {
    struct Case {
        std::string flags;
        std::vector<bool> modes;
    };
    const std::vector<Case> cases{
        {"-1\t0\t0", {true, false, false}},         {"0\t-1\t0", {false, true, false}},
        {"0\t0\t-1", {false, false, true}},         {"1\tTrue\t0", {false, true, false}},
        {"True\ttrue\tTRUE", {false, false, true}}, {"FALSE\t0,0\tfalse", {false, false, false}},
        {"2,5\t0\tFalse", {true, false, false}},    {"-1\t0\t2,5", {false, false, true}},
    };
    for (const Case& c : cases) {
        state = earlierWindow();
        std::vector<std::string> lines = exampleLines();
        lines[1] = "2\t200\t" + c.flags;
        EXPECT_EQ(open(lines), "") << c.flags;
        EXPECT_EQ(modesOf(state), c.modes) << c.flags;
    }
}

TEST_F(OpenData, FailuresBeforeTheCountIsReadLeaveTheWindowUnchanged) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "List index out of bounds (1)"},
        {header + "\r\n", "List index out of bounds (1)"},
        {header + "\r\n\r\n2\t200\t-1\t0\t0\r\n", "List index out of bounds (0)"},
        {crlfLines({header, "two\t200\t-1\t0\t0"}), "'two' is not a valid integer value for Integer type"},
        {crlfLines({header, "\t200\t-1\t0\t0"}), "'' is not a valid integer value for Integer type"},
        {crlfLines({header, "2,0\t200"}), "'2,0' is not a valid integer value for Integer type"},
        {crlfLines({header, "2000000000\t200\t-1\t0\t0"}), messages::nodeCountTooLarge(2000000000, 1000)},
    };
    const WindowSnapshot before = snapshotOf(state);
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(open(bytes), message) << bytes;
        EXPECT_EQ(snapshotOf(state), before) << bytes;
    }

    const std::string missing = dir.file("missing.txt");
    EXPECT_EQ(failureOf([&] { openData(state, missing); }),
              "Cannot open file \"" + missing + "\". " +
                  std::make_error_code(std::errc::no_such_file_or_directory).message());
    const std::string folder = dir.path().string();
    EXPECT_EQ(failureOf([&] { openData(state, folder); }),
              "Cannot open file \"" + folder + "\". " + std::make_error_code(std::errc::is_a_directory).message());
    EXPECT_EQ(snapshotOf(state), before);
}

TEST_F(OpenData, FailuresInTheSettingsLineLeaveWhatTheEarlierFieldsSet) {
    struct Case {
        std::string settings;
        std::string message;
        std::string iterationLimit;
        std::vector<bool> modes;
    };
    // The earlier window has iteration limit 77 and the Fratar mode.
    const std::vector<Case> cases{
        {"1", "List index out of bounds (1)", "77", {false, false, true}},
        {"1\t50", "List index out of bounds (2)", "50", {false, false, true}},
        {"1\t50\t-1", "List index out of bounds (3)", "50", {true, false, false}},
        {"1\t50\t0\t-1", "List index out of bounds (4)", "50", {false, true, false}},
        {"1\t50\tyes\t-1\t0", "'yes' is not a valid boolean value", "50", {false, false, true}},
        {"1\t50\t0\t0\t", "'' is not a valid boolean value", "50", {false, false, true}},
        {"1\t50\t-1\t0\tno", "'no' is not a valid boolean value", "50", {true, false, false}},
        // A leading quote with no closing one swallows the three flags.
        {"1\t\"50\t-1\t0\t0", "List index out of bounds (2)", "50\t-1\t0\t0", {false, false, true}},
    };
    for (const Case& c : cases) {
        state = earlierWindow();
        WindowSnapshot expected = snapshotOf(state);
        expected.flows.cells.resize(1); // the file's count of 1 applied to the flow table
        expected.nodeCountText = "1";
        expected.iterationLimitText = c.iterationLimit;
        expected.modes = c.modes;

        std::vector<std::string> lines = exampleLines();
        lines[1] = c.settings;
        EXPECT_EQ(open(lines), c.message) << c.settings;
        EXPECT_EQ(snapshotOf(state), expected) << c.settings;
    }
}

TEST_F(OpenData, ANegativeCountFailsInNewDataAfterTheSettingsAreSet) {
    std::vector<std::string> lines = exampleLines();
    lines[1] = "-1\t50\t0\t-1\t0";
    EXPECT_EQ(open(lines), "Column index, 0, out of bounds");
    EXPECT_EQ(state.flows.rowCount(), 3);
    EXPECT_EQ(state.nodeCountText, "-1");
    EXPECT_EQ(state.iterationLimitText, "50");
    EXPECT_EQ(modesOf(state), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(state.od.columnCount(), 0);
    EXPECT_EQ(state.probabilities.columnCount(), 0);
}

// After New data for two nodes over the earlier window: flows of the rows
// that remain survive, the matrices hold only the numbering.
struct Rebuilt {
    Rows flows{{"1", "a1", "b1", "c1"}, {"2", "a2", "b2", "c2"}};
    Rows od{{"1", "", ""}, {"2", "", ""}};
    Rows probabilities{{"1", "", ""}, {"2", "", ""}};
};

TEST_F(OpenData, FailuresInTheRowsLeaveTheRebuiltTablesWithTheRowsBefore) {
    struct Case {
        std::string name;
        std::size_t lineCount; // the file's first lines kept
        std::size_t changedLine;
        std::string changedText;
        std::string message;
        Rebuilt expected;
    };
    const Rows flowsRead{{"1", "150", "90", "0"}, {"2", "90", "150", "0"}};
    const Rows odRead{{"1", "0", "150"}, {"2", "90", "0"}};
    const std::vector<Case> cases{
        {"ends before the first flow row", 3, 0, header, "List index out of bounds (3)", {}},
        {"ends in the flows",
         4,
         0,
         header,
         "List index out of bounds (4)",
         {{{"1", "150", "90", "0"}, {"2", "a2", "b2", "c2"}}, Rebuilt{}.od, Rebuilt{}.probabilities}},
        {"ends in the O/D rows",
         7,
         0,
         header,
         "List index out of bounds (7)",
         {flowsRead, {{"1", "0", "150"}, {"2", "", ""}}, Rebuilt{}.probabilities}},
        {"ends before the probabilities",
         9,
         0,
         header,
         "List index out of bounds (9)",
         {flowsRead, odRead, Rebuilt{}.probabilities}},
        {"short flow line",
         11,
         4,
         "2\t90",
         "List index out of bounds (2)",
         {{{"1", "150", "90", "0"}, {"2", "90", "b2", "c2"}}, Rebuilt{}.od, Rebuilt{}.probabilities}},
        {"flow line of three fields",
         11,
         3,
         "1\t150\t90",
         "List index out of bounds (3)",
         {{{"1", "150", "90", "c1"}, {"2", "a2", "b2", "c2"}}, Rebuilt{}.od, Rebuilt{}.probabilities}},
        {"empty flow line",
         11,
         4,
         "",
         "List index out of bounds (1)",
         {{{"1", "150", "90", "0"}, {"2", "a2", "b2", "c2"}}, Rebuilt{}.od, Rebuilt{}.probabilities}},
        {"tab after an O/D line",
         11,
         7,
         "2\t90\t0\t",
         "Column index, 3, out of bounds",
         {flowsRead, odRead, Rebuilt{}.probabilities}},
        {"tab after a probability line",
         11,
         9,
         "1\t0,000\t1,000\t",
         "Column index, 3, out of bounds",
         {flowsRead, odRead, {{"1", "0,000", "1,000"}, {"2", "", ""}}}},
    };
    for (const Case& c : cases) {
        state = earlierWindow();
        std::vector<std::string> lines = exampleLines();
        lines[c.changedLine] = c.changedText;
        lines.resize(c.lineCount);
        EXPECT_EQ(open(lines), c.message) << c.name;
        EXPECT_EQ(state.nodeCountText, "2") << c.name;
        EXPECT_EQ(state.od.columnCount(), 3) << c.name;
        EXPECT_EQ(test::texts(state.flows, 0, 3), c.expected.flows) << c.name;
        EXPECT_EQ(test::texts(state.od, 0, 2), c.expected.od) << c.name;
        EXPECT_EQ(test::texts(state.probabilities, 0, 2), c.expected.probabilities) << c.name;
    }
}

TEST_F(OpenData, ShortOrEmptyMatrixLinesAndQuotedFieldsFillWhatTheyHave) {
    std::vector<std::string> lines = exampleLines();
    lines[3] = "9\t\"150\"\t90\t0\t";          // column 0 and a final tab are ignored
    lines[4] = "2\t\"9\"\"0\"\t\"1\t5\"\t\"0"; // quotes doubled, a tab quoted, an unclosed quote
    lines[6] = "";
    lines[7] = "7";
    lines[9] = "\t0,000";
    EXPECT_EQ(open(lines), "");
    EXPECT_EQ(test::texts(state.flows, 0, 3), (Rows{{"1", "150", "90", "0"}, {"2", "9\"0", "1\t5", "0"}}));
    EXPECT_EQ(test::texts(state.od, 0, 2), (Rows{{"1", "", ""}, {"7", "", ""}}));
    EXPECT_EQ(test::texts(state.probabilities, 0, 2), (Rows{{"", "0,000", ""}, {"2", "1,000", "0,000"}}));
}

TEST_F(OpenData, RowsAreTakenByPositionFromTheCount) {
    // Saved with three flow rows but one row in each matrix, read as N = 3:
    // the O/D header and rows shift into the wrong sections.
    EXPECT_EQ(open({header, "3\t200\t-1\t0\t0", "Node", "1\t1\t1\t1", "2\t2\t2\t2", "3\t3\t3\t3", "O/D\t1", "1\t5",
                    "O/D\t1", "1\t6"}),
              "List index out of bounds (11)");
    EXPECT_EQ(test::texts(state.od, 0, 1), (Rows{{"1", "5"}, {"O/D", "1"}, {"1", "6"}}));
}

TEST(SaveAndOpen, RestoreTheWindowWithTheThreeKnownDifferences) {
    TempDir dir;
    WindowState saved;
    saved.nodeCountText = "3";
    newData(saved);
    test::fill(saved.flows, {{"12", "", " 3 "}, {"café", "x", "-1"}, {"", "", ""}});
    saved.flows.setCell(0, 1, "node two");
    test::fill(saved.od, {{"", "5", ""}, {"1,5", "", "7"}, {"", "", ""}});
    saved.od.setCell(0, 2, "");
    test::fill(saved.probabilities, {{"0,100", "0,900", "0,000"}});
    saved.od.column(1).header = "one";
    saved.iterationLimitText = "abc";
    saved.modes.select(Mode::ODByProbability);
    saved.nodeCountText = "9"; // typed but never applied
    saveData(saved, dir.file("round.txt"));

    WindowState opened;
    openData(opened, dir.file("round.txt"));
    EXPECT_EQ(opened.nodeCountText, "3");
    EXPECT_EQ(opened.iterationLimitText, "abc");
    EXPECT_EQ(modesOf(opened), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(test::texts(opened.flows, 0, 3),
              (Rows{{"1", "12", "0", " 3 "}, {"2", "café", "x", "-1"}, {"3", "0", "0", "0"}}));
    EXPECT_EQ(test::texts(opened.od, 0, 3), (Rows{{"1", "0", "5", "0"}, {"2", "1,5", "0", "7"}, {"", "0", "0", "0"}}));
    EXPECT_EQ(test::texts(opened.probabilities, 0, 3),
              (Rows{{"1", "0,100", "0,900", "0,000"}, {"2", "0", "0", "0"}, {"3", "0", "0", "0"}}));
    EXPECT_EQ(opened.od.column(1).header, "1");
}

TEST(SaveAndOpen, NoNodesAndNoModeComeBack) {
    TempDir dir;
    WindowState saved;
    saved.nodeCountText = "0";
    newData(saved);
    saved.modes.setSelected(Mode::FlowsFromOD, false);
    saveData(saved, dir.file("empty.txt"));
    EXPECT_EQ(test::readBytes(dir.file("empty.txt")),
              crlfLines({header, "0\t200\t0\t0\t0", "Node\tQ.in\tQ.out\tQ.cir", "O/D", "O/D"}));

    WindowState opened = earlierWindow();
    openData(opened, dir.file("empty.txt"));
    EXPECT_EQ(opened.nodeCountText, "0");
    EXPECT_EQ(opened.flows.rowCount(), 0);
    EXPECT_EQ(opened.od.columnCount(), 1);
    EXPECT_EQ(opened.od.rowCount(), 0);
    EXPECT_EQ(modesOf(opened), (std::vector<bool>{false, false, false}));
}

} // namespace
} // namespace velmora
