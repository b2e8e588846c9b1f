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
    const std::string bytes = encodeWindows1252(dataFileText(state));
    replaceFile(path, bytes);
}

void openData(WindowState& state, const std::string& path) {
    const std::vector<std::string> lines = splitLines(decodeFileText(readWholeFile(path)));
    loadDataFile(state, lines);
}

} // namespace velmora
