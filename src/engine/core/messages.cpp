#include "engine/core/messages.h"

#include <ostream>
#include <stdexcept>

namespace mv {

namespace {

constexpr TMessageInfo kCatalogue[] = {
#define MV_MESSAGE(id, text) {#id, text},
#include "engine/core/messages.def"
#undef MV_MESSAGE
};

std::vector<std::string> RussianTexts() {
    std::vector<std::string> texts;
    texts.reserve(std::size(kCatalogue));
    for (const TMessageInfo& info : kCatalogue) texts.emplace_back(info.Russian);
    return texts;
}

std::vector<std::string>& CurrentTexts() {
    static std::vector<std::string> texts = RussianTexts();
    return texts;
}

}  // namespace

std::span<const TMessageInfo> MessageCatalogue() { return kCatalogue; }

const std::string& Msg(TMsg id) {
    return CurrentTexts().at(static_cast<std::size_t>(id));
}

const std::string& TMsgText::Str() const {
    static const std::string empty;
    return m_id < 0 ? empty : Msg(static_cast<TMsg>(m_id));
}

std::ostream& operator<<(std::ostream& out, const TMsgText& text) {
    return out << text.Str();
}

void SetMessageTexts(std::vector<std::string> texts) {
    if (texts.empty()) {
        CurrentTexts() = RussianTexts();
        return;
    }
    if (texts.size() != std::size(kCatalogue)) {
        throw std::invalid_argument("message texts do not match the catalogue");
    }
    CurrentTexts() = std::move(texts);
}

}  // namespace mv
