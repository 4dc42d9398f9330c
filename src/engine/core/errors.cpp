#include "core/errors.h"

#include <cstring>

namespace mv {

std::string OperationMessage(const std::string& fixedText, const std::string& reason) {
    return fixedText + "\r\r" + reason;
}

std::string SystemMessage(int code) {
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    return text ? std::string(text) : std::string();
}

}  // namespace mv
