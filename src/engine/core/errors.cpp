#include "engine/core/errors.h"

#include <cerrno>
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

std::string SysErrorText(int code) {
    if (code == 0) return SystemMessage(0) + ".";
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) on a chain of literals + strings.
    std::string text = "SysError #";
    text += std::to_string(code);
    text += ": \"";
    text += SystemMessage(code);
    text += "\"!";
    return text;
}

std::string SysErrorShortText(int code) {
    if (code == 0) return SystemMessage(0) + ".";
    std::string text = "\"";
    text += SystemMessage(code);
    text += "\"!";
    return text;
}

void RaiseSystemError(int code) {
    if (code != 0) throw EOSError(SysErrorText(code));
}

void RaiseLastSystemError() {
    RaiseSystemError(errno);
}

}  // namespace mv
