#pragma once

#include <exception>
#include <string>

// The one exception type the program raises; the message is the whole payload.
class myexception : public std::exception {
public:
    explicit myexception(std::string message) : message(std::move(message)) {}
    const char* what() const noexcept override { return message.c_str(); }

private:
    std::string message;
};
