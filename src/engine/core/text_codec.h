#pragma once

#include <string>
#include <string_view>

namespace mv {

// Text is UTF-8 inside the program and Windows-1251 in every file and wire format; these two
// functions are the only crossing. Characters without a Windows-1251 form become "?", and
// malformed UTF-8 bytes become "?" as well.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view bytes);

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// Appends the UTF-8 form of one code point (1 to 4 bytes). The caller passes a valid code
// point: surrogates and values past U+10FFFF are not checked.
void AppendUtf8(std::string& out, char32_t cp);

// The lower-case form of a Windows-1251 byte: Latin A-Z and every Cyrillic capital of the
// code page (Ё, Ђ, Ў, Ґ, ... included) map to their small letters; other bytes are kept.
unsigned char FoldCp1251(unsigned char c);
// Case-insensitive comparison of Windows-1251 texts (Latin and Cyrillic letters).
bool EqualsNoCaseCp1251(std::string_view a, std::string_view b);
// The same for UTF-8 texts: letters that Windows-1251 has fold to their small forms; texts
// with characters outside the code page compare exactly.
bool EqualsNoCaseUtf8(std::string_view a, std::string_view b);

}  // namespace mv
