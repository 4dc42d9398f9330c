#pragma once

// The wire format of the catalog service: form bodies in, tag-format replies out. Every
// request is untrusted; whatever does not parse is refused with a reason the client shows.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

namespace catalog {

// A request refused for a reason the user should read (Russian); answered as an error row.
class ERefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// RFC 4648 Base64 with padding.
std::string Base64Encode(const std::string& bytes);
// Strict decoding: only the alphabet and optional "=" padding at the end; false otherwise.
bool Base64DecodeStrict(const std::string& text, std::string& bytes);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(const std::string& text);

// A key under which e-mail addresses and titles compare without regard to case: ASCII and
// Russian letters are lowered; other bytes are kept.
std::string FoldCase(const std::string& text);

// Leading and trailing bytes up to and including the space removed.
std::string Trim(const std::string& text);

// The inverse of the client's backslash escaping of free texts. False for a backslash that
// starts no known sequence (the client always escapes its backslashes).
bool UnescapeServiceText(const std::string& text, std::string& plain);

// The current time, UTC, as "yyyy-mm-dd hh:mm:ss"; `secondsAgo` moves it back.
std::string UtcNow(std::int64_t secondsAgo = 0);

// An application/x-www-form-urlencoded body, percent-decoded ("+" is a space). Each accessor
// refuses a missing, oversized or malformed field, naming it.
class TForm {
public:
    // Refuses a malformed percent sequence, a field without "=" and a repeated field.
    static TForm Parse(const std::string& body);

    bool Has(const std::string& name) const { return m_fields.count(name) > 0; }
    // A whole number in [lo, hi], written as an optional "-" and decimal digits only.
    int Int(const std::string& name, int lo, int hi) const;
    // A text sent as it is (no escaping), at most `limit` bytes of UTF-8.
    std::string Plain(const std::string& name, std::size_t limit) const;
    // A text the client escaped, un-escaped, at most `limit` bytes of UTF-8.
    std::string Escaped(const std::string& name, std::size_t limit) const;
    // Base64 of an escaped text, decoded and un-escaped, at most `limit` bytes of UTF-8.
    std::string Base64Escaped(const std::string& name, std::size_t limit) const;

private:
    const std::string& Raw(const std::string& name) const;
    std::map<std::string, std::string> m_fields;
};

// Builds "<result><row>...</row>...</result>". Texts that the client reads as they are
// (names, addresses, comments) must not contain "<": a stored text could otherwise forge
// tags, so the request that would store one is refused (see TForm callers).
class TReply {
public:
    void BeginRow();
    void EndRow();
    void Number(const char* tag, std::int64_t value);
    void Real(const char* tag, double value);
    // Written so that the client's trimming and unquoting give back exactly `value`.
    void Text(const char* tag, const std::string& value);
    void Base64(const char* tag, const std::string& value);
    std::string Finish();

    // "<result><row><error>TEXT</error></row></result>".
    static std::string Error(const std::string& text);

private:
    std::string m_body = "<result>";
};

// Refuses "<" in a text that a reply carries as it is.
void RequireNoTag(const std::string& name, const std::string& value);

}  // namespace catalog
