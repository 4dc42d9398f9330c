#pragma once

#include <string>

#include "engine/core/datetime.h"

namespace mv {

// The small codecs of the maker's web service. Replies are plain text with values between
// open and close tags; they are searched as text, not parsed as XML.

// Backslash escapes for control bytes, quotes, "?" and the backslash; every other byte
// (UTF-8 letters among them) is copied unchanged.
std::string EscapeServiceText(const std::string& text);

// What to do when the close tag of a found value is missing.
enum class TMissingClose {
    Raise = 0,     // throw EError naming both tags and the text
    Empty = 1,     // give an empty value
    TakeRest = 2,  // take the rest of the text
};

// The first value between `openTag` and `closeTag` (both found without regard to case; an
// empty close tag runs to the end), trimmed and unquoted. Empty when the open tag is absent.
std::string ExtractTagValue(const std::string& text, const std::string& openTag,
                            const std::string& closeTag, TMissingClose mode);
// The same, and a found value is cut from `text` up to and including its close tag, so
// repeated calls walk the rows of a reply until an empty value.
std::string TakeTagValue(std::string& text, const std::string& openTag, const std::string& closeTag,
                         TMissingClose mode);

// "yyyy-mm-dd hh:mm:ss" in UTC to local time; an empty text gives 0. Throws
// EConvertError for a field that is not a number or a time that does not exist.
TDateTime ParseServiceTime(const std::string& text);

// RFC 4648 Base64 with "=" padding. Decoding skips every character outside the alphabet.
std::string Base64Encode(const std::string& bytes);
std::string Base64Decode(const std::string& text);

// The identity every request to the maker's catalogs carries.
struct TServiceClient {
    std::string AppId;       // GUID in registry form with braces, 38 characters
    std::string AppVersion;  // "13.6.1.200", at most 20 characters
    std::string UserName;    // at most 64 characters
    std::string UserMail;
};

// This program's fixed identifier.
inline constexpr const char* ServiceAppId = "{6F1C2B7E-5A39-4D8E-9B36-053600A5E36F}";

}  // namespace mv
