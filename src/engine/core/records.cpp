#include "engine/core/records.h"

#include <algorithm>

#include "engine/core/text_codec.h"

namespace mv {

std::string TDrawRec::Date() const {
    const std::size_t len = std::min<std::size_t>(DateLen, DateChars.size());
    return Cp1251ToUtf8(std::string_view(DateChars.data(), len));
}

void TDrawRec::SetDate(const std::string& utf8) {
    std::string bytes = Utf8ToCp1251(utf8);
    if (bytes.size() > DateChars.size()) bytes.resize(DateChars.size());
    DateChars.fill(0);
    std::copy(bytes.begin(), bytes.end(), DateChars.begin());
    DateLen = static_cast<std::uint8_t>(bytes.size());
}

}  // namespace mv
