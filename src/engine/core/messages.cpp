#include "engine/core/messages.h"

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

const std::string& Msg(TMsg id) { return CurrentTexts().at(static_cast<std::size_t>(id)); }

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
