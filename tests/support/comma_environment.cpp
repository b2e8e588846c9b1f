// Every core test runs with the decimal comma, as the main window sets it.
#include <gtest/gtest.h>

#include "rtl/format_settings.h"

namespace {

class CommaEnvironment : public ::testing::Environment {
public:
    void SetUp() override { velmora::formatSettings().decimalSeparator = ','; }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new CommaEnvironment);

} // namespace
