#include "datafile/data_file.h"

#include "datafile/data_reader.h"
#include "datafile/data_writer.h"
#include "datafile/file_access.h"
#include "datafile/text_encoding.h"
#include "datafile/text_lines.h"

namespace velmora {

void saveData(const WindowState& state, const std::string& path) {
    // The whole content exists before the disk is touched: a table that
    // cannot be written fails here and leaves any file as it was.
    replaceFile(path, dataFileBytes(state));
}

void openData(WindowState& state, const std::string& path) {
    openDataBytes(state, readWholeFile(path));
}

std::string dataFileBytes(const WindowState& state) {
    return encodeWindows1252(dataFileText(state));
}

void openDataBytes(WindowState& state, std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(decodeFileText(bytes));
    loadDataFile(state, lines);
}

} // namespace velmora
