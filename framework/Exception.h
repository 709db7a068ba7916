#pragma once
// The failure vocabulary of every layer: an exception carries one fixed
// message, a byte string in the ANSI code page, shown by the top-level handler.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Raised where a resource cannot be had (memory, a tray slot).
class EOutOfMemory : public Exception {
public:
    using Exception::Exception;
};

// Raised when a file cannot be read or written; the message names the file.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// Raised for an index outside a list or a string.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Raised when a resource the program asks for is not in it.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// Raised when a form description cannot be read; the message names the cause.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// Raised for a value that cannot be stored or converted as asked.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
