// The one failure type of Velmora: every conversion, table access or
// arithmetic fault that ends a command raises it, carrying the message the
// error box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message), message_(message) {}

    // The whole message; a cell text in it may hold a NUL, which what() would cut.
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

} // namespace velmora
