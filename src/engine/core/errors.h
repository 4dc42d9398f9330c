#pragma once

#include <stdexcept>
#include <string>

namespace mv {

// Every failure the engine reports to a person is an EError whose text is ready to show:
// the operation's own fixed text, an empty line ("\r\r") and the reason.
class EError : public std::runtime_error {
public:
    explicit EError(const std::string& text) : std::runtime_error(text) {}
};

// A text that does not convert to the value asked for (a date, a number).
class EConvertError : public EError {
public:
    using EError::EError;
};

// A failure of an operating-system call; the text already holds the system's message.
class EOSError : public EError {
public:
    using EError::EError;
};

// Wraps a failure into an operation's message: "<fixed text>\r\r<reason>".
std::string OperationMessage(const std::string& fixedText, const std::string& reason);

// The system's message text for an errno code.
std::string SystemMessage(int code);

}  // namespace mv
