// The process-wide number format: only the decimal separator is ever set.
// The main window's creation sets it to ","; commands read it when they
// start and hand it down to the conversions.
#pragma once

namespace velmora {

struct FormatSettings {
    char decimalSeparator = '.';
};

// The one process-wide record.
FormatSettings& formatSettings();

} // namespace velmora
