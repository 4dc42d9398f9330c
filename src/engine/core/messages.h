#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mv {

// Identifiers of the engine's message texts (engine/core/messages.def).
enum class TMsg : std::uint16_t {
#define MV_MESSAGE(id, text) id,
#include "engine/core/messages.def"
#undef MV_MESSAGE
};

struct TMessageInfo {
    const char* Id;       // the identifier's name, e.g. "ArchiveReadError"
    const char* Russian;  // the base-language text (UTF-8)
};

// Every message in the order of TMsg.
std::span<const TMessageInfo> MessageCatalogue();

// The text of a message in the current language (Russian until SetMessageTexts replaced it).
const std::string& Msg(TMsg id);

// Replaces the texts of every message at once, in catalogue order; an empty list brings the
// Russian texts back. A list of another length is refused (std::invalid_argument), so a module
// built for another catalogue cannot shift texts onto the wrong identifiers. Called by a front
// end at start, before any work runs.
void SetMessageTexts(std::vector<std::string> texts);

}  // namespace mv
