#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/core/text_codec.h"

// Fields of the binary data files: little-endian integers whatever the host, and short strings
// (a length byte, then up to 255 bytes of Windows-1251 text).
namespace mv {

inline void PutU32(unsigned char* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void PutU64(unsigned char* out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline std::uint32_t GetU32(const unsigned char* in) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return v;
}
inline std::uint64_t GetU64(const unsigned char* in) {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return v;
}

// Writes `text` (UTF-8) as a short string of at most `maxBytes` (<= 255) bytes at `out`.
inline void PutShortString(unsigned char* out, std::string_view text, std::size_t maxBytes) {
    std::string bytes = Utf8ToCp1251(text);
    if (bytes.size() > maxBytes) bytes.resize(maxBytes);
    out[0] = static_cast<unsigned char>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), out + 1);
}
// The short string at `in`, as UTF-8.
inline std::string GetShortString(const unsigned char* in) {
    return Cp1251ToUtf8(
        std::string_view(reinterpret_cast<const char*>(in + 1), static_cast<std::size_t>(in[0])));
}

}  // namespace mv
