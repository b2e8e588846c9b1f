// Arbitrary bytes opened as a data file into a fresh window: the open either
// succeeds or fails with the system's message, and a window that opened
// comes back from its own saved file with the same cells, edit-box texts and
// mode.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/data_file.h"
#include "datafile/text_encoding.h"
#include "rtl/failure.h"
#include "rtl/format_settings.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "tables/window_state.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

// Opens the bytes into the state; true when the open went through.
bool opens(velmora::WindowState& state, std::string_view bytes) {
    try {
        velmora::openDataBytes(state, bytes);
        return true;
    } catch (const velmora::Failure& failure) {
        require(!failure.message().empty());
        return false;
    } catch (...) {
        std::abort();
    }
}

// A text the file cannot carry as it is: a tab or line break cuts it, a
// leading double quote starts a quoted field.
bool breaksTheFile(const std::string& text) {
    return text.find_first_of("\t\r\n") != std::string::npos || (!text.empty() && text[0] == '"');
}

bool fileCarriesAllTexts(const velmora::WindowState& state) {
    if (breaksTheFile(state.iterationLimitText))
        return false;
    for (const velmora::Table* table : {&state.flows, &state.od, &state.probabilities})
        for (std::int32_t r = 0; r < table->rowCount(); ++r)
            for (std::int32_t c = 0; c < table->columnCount(); ++c)
                if (breaksTheFile(table->cell(c, r)))
                    return false;
    return true;
}

// What a text becomes on its way through the file's character set. The
// leading letter keeps a text from being taken for a byte-order mark.
std::string throughTheFile(const std::string& text) {
    return velmora::decodeFileText("x" + velmora::encodeWindows1252(text)).substr(1);
}

void requireSameTable(const velmora::Table& opened, const velmora::Table& reopened) {
    require(opened.rowCount() == reopened.rowCount());
    require(opened.columnCount() == reopened.columnCount());
    for (std::int32_t c = 0; c < opened.columnCount(); ++c)
        require(opened.column(c).header == reopened.column(c).header);
    for (std::int32_t r = 0; r < opened.rowCount(); ++r)
        for (std::int32_t c = 0; c < opened.columnCount(); ++c) {
            const std::string& text = opened.cell(c, r);
            // A blank cell after the node column is saved as "0".
            const std::string expected = c > 0 && text.empty() ? "0" : throughTheFile(text);
            require(reopened.cell(c, r) == expected);
        }
}

void requireSameWindow(const velmora::WindowState& opened, const velmora::WindowState& reopened) {
    requireSameTable(opened.flows, reopened.flows);
    requireSameTable(opened.od, reopened.od);
    requireSameTable(opened.probabilities, reopened.probabilities);
    // The count saved is the flow table's row count, in decimal.
    require(velmora::readInteger(opened.nodeCountText) == opened.flows.rowCount());
    require(reopened.nodeCountText == velmora::integerText(opened.flows.rowCount()));
    require(reopened.iterationLimitText == throughTheFile(opened.iterationLimitText));
    for (velmora::Mode mode : velmora::allModes)
        require(opened.modes.isSelected(mode) == reopened.modes.isSelected(mode));
}

} // namespace

// The window's number format, as the main window sets it when it opens.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    velmora::formatSettings().decimalSeparator = ',';
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::WindowState opened;
    if (!opens(opened, bytes))
        return 0;

    // A window that opened has tables with columns, so it always saves.
    std::string saved;
    try {
        saved = velmora::dataFileBytes(opened);
    } catch (...) {
        std::abort();
    }

    velmora::WindowState reopened;
    const bool carried = fileCarriesAllTexts(opened);
    if (!opens(reopened, saved)) {
        require(!carried);
        return 0;
    }
    if (!carried)
        return 0;
    requireSameWindow(opened, reopened);
    // Saving what came back writes the same file again.
    require(velmora::dataFileBytes(reopened) == saved);
    return 0;
}
