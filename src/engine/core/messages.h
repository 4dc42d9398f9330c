#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
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

// A catalogue text named by a constant or a table entry built at compile time. It holds only
// the identifier and reads the current text at every use, so a SetMessageTexts after start
// reaches it. Converts to a string (or a view) wherever the plain text was used; the
// default-constructed value is the empty text.
class TMsgText {
public:
    constexpr TMsgText() = default;
    constexpr TMsgText(TMsg id) : m_id(static_cast<int>(id)) {}  // NOLINT: implicit by design

    const std::string& Str() const;
    operator const std::string&() const { return Str(); }  // NOLINT
    operator std::string_view() const { return Str(); }    // NOLINT
    const char* c_str() const { return Str().c_str(); }
    const char* data() const { return Str().data(); }
    std::size_t size() const { return Str().size(); }
    bool empty() const { return Str().empty(); }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }

    friend bool operator==(const TMsgText& a, std::string_view b) { return a.Str() == b; }
    friend std::string operator+(const std::string& a, const TMsgText& b) { return a + b.Str(); }
    friend std::string operator+(const TMsgText& a, const std::string& b) { return a.Str() + b; }
    friend std::string operator+(const char* a, const TMsgText& b) { return a + b.Str(); }
    friend std::string operator+(const TMsgText& a, const char* b) { return a.Str() + b; }
    friend std::ostream& operator<<(std::ostream& out, const TMsgText& text);

private:
    int m_id = -1;
};

}  // namespace mv
