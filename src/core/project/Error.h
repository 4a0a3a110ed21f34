// The one error type of the engine and its readers: a message for the user
// (Czech, naming the file where there is one); empty for success.
#pragma once

#include <string>

namespace hydrim {

struct Error {
    std::string Message;
    bool failed() const { return !Message.empty(); }
    explicit operator bool() const { return failed(); }
};

} // namespace hydrim
