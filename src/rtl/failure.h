// The one failure type of Velmora: every conversion, table access or
// arithmetic fault that ends a command raises it, carrying the message the
// error box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

} // namespace velmora
