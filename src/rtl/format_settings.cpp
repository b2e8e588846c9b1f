#include "rtl/format_settings.h"

namespace velmora {

FormatSettings& formatSettings() {
    static FormatSettings settings;
    return settings;
}

} // namespace velmora
