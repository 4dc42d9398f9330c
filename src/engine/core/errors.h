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

// System error texts for failures of operating-system calls. For code 0 both forms are the
// system's text followed by "." ("Success."). Otherwise the long form, for a text that stands
// alone, is "SysError #<code>: \"<text>\"!", and the short form, for use inside a longer
// message, is "\"<text>\"!".
std::string SysErrorText(int code);
std::string SysErrorShortText(int code);
// Throws EOSError with the long form when code is not 0; does nothing for 0.
void RaiseSystemError(int code);
// RaiseSystemError with the calling thread's errno.
void RaiseLastSystemError();

}  // namespace mv
