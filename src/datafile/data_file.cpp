#include "datafile/data_file.h"

#include "rtl/failure.h"

namespace velmora {

void saveData(const WindowState&, const std::string&) {
    throw Failure("Saving is not available yet");
}

void openData(WindowState&, const std::string&) {
    throw Failure("Opening is not available yet");
}

} // namespace velmora
