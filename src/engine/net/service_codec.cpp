#include "engine/net/service_codec.h"

#include <ctime>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Position of `what` in `text` from `from`, ASCII letters compared without case.
std::size_t FindNoCase(const std::string& text, const std::string& what, std::size_t from) {
    if (what.size() > text.size()) return std::string::npos;
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && Lower(text[i + k]) == Lower(what[k])) ++k;
        if (k == what.size()) return i;
    }
    return std::string::npos;
}

std::string TrimAndUnquote(std::string value) {
    std::size_t b = 0;
    std::size_t e = value.size();
    while (b < e && static_cast<unsigned char>(value[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(value[e - 1]) <= ' ') --e;
    value = value.substr(b, e - b);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
        // A doubled quote inside stands for one; a lone quote is dropped.
        for (std::size_t i = value.size(); i-- > 0;) {
            if (value[i] == '"' && (i == 0 || value[i - 1] != '"')) value.erase(i, 1);
        }
    }
    return value;
}

// Finds the value; `end` receives the position just past the close tag (or the text's
// end). std::string::npos in `end` means nothing was found.
std::string FindTagValue(const std::string& text, const std::string& openTag,
                         const std::string& closeTag, TMissingClose mode, std::size_t& end) {
    end = std::string::npos;
    const std::size_t open = FindNoCase(text, openTag, 0);
    if (open == std::string::npos) return {};
    const std::size_t start = open + openTag.size();
    std::size_t close = std::string::npos;
    if (closeTag.empty()) {
        end = text.size();
        return TrimAndUnquote(text.substr(start));
    }
    close = FindNoCase(text, closeTag, start);
    if (close == std::string::npos) {
        switch (mode) {
            case TMissingClose::Raise:
                throw EError(Msg(TMsg::TagPairNotFound) + openTag + "\" - \"" + closeTag +
                             Msg(TMsg::TagPairInText) + text + "]!");
            case TMissingClose::Empty:
                return {};
            case TMissingClose::TakeRest:
                end = text.size();
                return TrimAndUnquote(text.substr(start));
        }
    }
    end = close + closeTag.size();
    return TrimAndUnquote(text.substr(start, close - start));
}

int Field(const std::string& text, std::size_t pos, std::size_t len) {
    if (pos + len > text.size())
        throw EConvertError("\"" + text + "\" is not a valid date and time");
    int value = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw EConvertError("\"" + text.substr(pos, len) + "\" is not a valid integer value");
        value = value * 10 + (c - '0');
    }
    return value;
}

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string EscapeServiceText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case 7:
                out += "\\a";
                break;
            case 8:
                out += "\\b";
                break;
            case 9:
                out += "\\t";
                break;
            case 10:
                out += "\\n";
                break;
            case 11:
                out += "\\v";
                break;
            case 12:
                out += "\\f";
                break;
            case 13:
                out += "\\r";
                break;
            case 27:
                out += "\\e";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\'':
                out += "\\'";
                break;
            case '?':
                out += "\\?";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c <= 6) {
                    out += '\\';
                    out += static_cast<char>('0' + c);
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

std::string ExtractTagValue(const std::string& text, const std::string& openTag,
                            const std::string& closeTag, TMissingClose mode) {
    std::size_t end = 0;
    return FindTagValue(text, openTag, closeTag, mode, end);
}

std::string TakeTagValue(std::string& text, const std::string& openTag, const std::string& closeTag,
                         TMissingClose mode) {
    std::size_t end = 0;
    std::string value = FindTagValue(text, openTag, closeTag, mode, end);
    if (end != std::string::npos) text.erase(0, end);
    return value;
}

TDateTime ParseServiceTime(const std::string& text) {
    if (text.empty()) return 0;
    std::tm utc{};
    utc.tm_year = Field(text, 0, 4) - 1900;
    utc.tm_mon = Field(text, 5, 2) - 1;
    utc.tm_mday = Field(text, 8, 2);
    utc.tm_hour = Field(text, 11, 2);
    utc.tm_min = Field(text, 14, 2);
    utc.tm_sec = Field(text, 17, 2);
    // Check the fields before timegm would quietly carry them into the next month.
    EncodeDateTime(
        {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, 0});
    const std::time_t t = timegm(&utc);
    std::tm local{};
    localtime_r(&t, &local);
    return EncodeDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                           local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59, 0});
}

std::string Base64Encode(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += Alphabet[(v >> 6) & 63];
        out += Alphabet[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += rest == 2 ? Alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string Base64Decode(const std::string& text) {
    std::string out;
    unsigned v = 0;
    int n = 0;
    for (const char ch : text) {
        int d = -1;
        if (ch >= 'A' && ch <= 'Z')
            d = ch - 'A';
        else if (ch >= 'a' && ch <= 'z')
            d = ch - 'a' + 26;
        else if (ch >= '0' && ch <= '9')
            d = ch - '0' + 52;
        else if (ch == '+')
            d = 62;
        else if (ch == '/')
            d = 63;
        if (d < 0) continue;
        v = (v << 6) | static_cast<unsigned>(d);
        if (++n == 4) {
            out += static_cast<char>((v >> 16) & 255);
            out += static_cast<char>((v >> 8) & 255);
            out += static_cast<char>(v & 255);
            v = 0;
            n = 0;
        }
    }
    // A final group of two or three characters holds one or two bytes.
    if (n == 2) {
        out += static_cast<char>((v >> 4) & 255);
    } else if (n == 3) {
        out += static_cast<char>((v >> 10) & 255);
        out += static_cast<char>((v >> 2) & 255);
    }
    return out;
}

}  // namespace mv
