#include "tr_texts.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

namespace mv::trtexts {
namespace {

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class TScanner {
public:
    explicit TScanner(const std::string& s) : m_s(s) {}

    std::vector<TLiteral> Run() {
        while (m_i < m_s.size()) {
            if (SkipSpaceAndComments()) continue;
            const char c = m_s[m_i];
            if (c == '"') {
                Literal(TLiteral::Other);
            } else if (c == '\'') {
                SkipQuoted('\'');
            } else if (IsIdentStart(c)) {
                Identifier();
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                // A number, with its digit separators (1'000) and suffixes.
                while (m_i < m_s.size() &&
                       (IsIdent(m_s[m_i]) || m_s[m_i] == '\'' || m_s[m_i] == '.'))
                    ++m_i;
            } else {
                Advance();
            }
        }
        return std::move(m_out);
    }

private:
    static bool IsIdentStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    static bool IsIdent(char c) {
        return IsIdentStart(c) || std::isdigit(static_cast<unsigned char>(c));
    }

    void Advance() {
        if (m_s[m_i] == '\n') ++m_line;
        ++m_i;
    }

    // True when something was skipped.
    bool SkipSpaceAndComments() {
        const std::size_t start = m_i;
        while (m_i < m_s.size()) {
            if (std::isspace(static_cast<unsigned char>(m_s[m_i]))) {
                Advance();
            } else if (m_s.compare(m_i, 2, "//") == 0) {
                while (m_i < m_s.size() && m_s[m_i] != '\n') Advance();
            } else if (m_s.compare(m_i, 2, "/*") == 0) {
                m_i += 2;
                while (m_i < m_s.size() && m_s.compare(m_i, 2, "*/") != 0) Advance();
                m_i = std::min(m_i + 2, m_s.size());
            } else if (m_s[m_i] == '#' && AtLineStart()) {
                // Preprocessor lines: an #include "..." is no text.
                while (m_i < m_s.size() && m_s[m_i] != '\n') {
                    if (m_s[m_i] == '\\' && m_i + 1 < m_s.size()) Advance();
                    Advance();
                }
            } else {
                break;
            }
        }
        return m_i != start;
    }

    bool AtLineStart() const {
        for (std::size_t j = m_i; j > 0; --j) {
            const char p = m_s[j - 1];
            if (p == '\n') return true;
            if (p != ' ' && p != '\t') return false;
        }
        return true;
    }

    void SkipQuoted(char quote) {
        Advance();
        while (m_i < m_s.size() && m_s[m_i] != quote && m_s[m_i] != '\n') {
            if (m_s[m_i] == '\\') Advance();
            if (m_i < m_s.size()) Advance();
        }
        if (m_i < m_s.size()) Advance();
    }

    void Identifier() {
        const std::size_t start = m_i;
        while (m_i < m_s.size() && IsIdent(m_s[m_i])) ++m_i;
        const std::string word = m_s.substr(start, m_i - start);
        if (m_i < m_s.size() && m_s[m_i] == '"') {
            // A prefixed or raw literal (u8"", R"(...)"): raw strings are skipped whole.
            if (word.find('R') != std::string::npos) {
                SkipRaw();
            } else {
                Literal(TLiteral::Other);
            }
            return;
        }
        if (word != "Tr" && word != "TrNoop") return;
        SkipSpaceAndComments();
        if (m_i >= m_s.size() || m_s[m_i] != '(') return;
        ++m_i;
        SkipSpaceAndComments();
        if (m_i >= m_s.size() || m_s[m_i] != '"') return;
        Literal(TLiteral::Text);
        SkipSpaceAndComments();
        if (word == "Tr" && m_i < m_s.size() && m_s[m_i] == ',') {
            ++m_i;
            SkipSpaceAndComments();
            if (m_i < m_s.size() && m_s[m_i] == '"') Literal(TLiteral::Comment);
        }
    }

    void SkipRaw() {
        const std::size_t open = m_s.find('(', m_i);
        if (open == std::string::npos) {
            m_i = m_s.size();
            return;
        }
        const std::string close = ")" + m_s.substr(m_i + 1, open - m_i - 1) + "\"";
        const std::size_t end = m_s.find(close, open);
        const std::size_t stop = end == std::string::npos ? m_s.size() : end + close.size();
        while (m_i < stop) Advance();
    }

    // One or more adjacent literals, starting at a '"'.
    void Literal(TLiteral::TRole role) {
        TLiteral lit;
        lit.Role = role;
        lit.Line = m_line;
        while (m_i < m_s.size() && m_s[m_i] == '"') {
            ReadOne(lit.Value);
            const std::size_t save = m_i;
            const int saveLine = m_line;
            SkipSpaceAndComments();
            if (m_i >= m_s.size() || m_s[m_i] != '"') {
                m_i = save;
                m_line = saveLine;
                break;
            }
        }
        m_out.push_back(std::move(lit));
    }

    void ReadOne(std::string& out) {
        ++m_i;
        while (m_i < m_s.size() && m_s[m_i] != '"' && m_s[m_i] != '\n') {
            const char c = m_s[m_i++];
            if (c != '\\' || m_i >= m_s.size()) {
                out += c;
                continue;
            }
            const char e = m_s[m_i++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'a':
                    out += '\a';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'v':
                    out += '\v';
                    break;
                case 'x': {
                    unsigned code = 0;
                    while (m_i < m_s.size() && HexValue(m_s[m_i]) >= 0)
                        code = code * 16 + static_cast<unsigned>(HexValue(m_s[m_i++]));
                    out += static_cast<char>(code);
                    break;
                }
                case 'u': {
                    unsigned code = 0;
                    for (int k = 0; k < 4 && m_i < m_s.size() && HexValue(m_s[m_i]) >= 0; ++k)
                        code = code * 16 + static_cast<unsigned>(HexValue(m_s[m_i++]));
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        unsigned code = static_cast<unsigned>(e - '0');
                        for (int k = 0;
                             k < 2 && m_i < m_s.size() && m_s[m_i] >= '0' && m_s[m_i] <= '7'; ++k)
                            code = code * 8 + static_cast<unsigned>(m_s[m_i++] - '0');
                        out += static_cast<char>(code);
                    } else {
                        out += e;  // \" \' \\ \?
                    }
            }
        }
        if (m_i < m_s.size()) ++m_i;
    }

    const std::string& m_s;
    std::size_t m_i = 0;
    int m_line = 1;
    std::vector<TLiteral> m_out;
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::vector<TLiteral> ScanLiterals(const std::string& source) {
    return TScanner(source).Run();
}

std::vector<TTrText> CollectTrTexts(const std::vector<std::filesystem::path>& roots) {
    std::vector<std::filesystem::path> files;
    for (const auto& root : roots) {
        if (std::filesystem::is_regular_file(root)) {
            files.push_back(root);
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h"))
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<TTrText> texts;
    std::set<std::pair<std::string, std::string>> seen;
    for (const auto& file : files) {
        const std::vector<TLiteral> literals = ScanLiterals(ReadFile(file));
        for (std::size_t i = 0; i < literals.size(); ++i) {
            if (literals[i].Role != TLiteral::Text) continue;
            TTrText text{literals[i].Value, {}, file.generic_string(), literals[i].Line};
            if (i + 1 < literals.size() && literals[i + 1].Role == TLiteral::Comment)
                text.Comment = literals[i + 1].Value;
            if (seen.insert({text.Source, text.Comment}).second) texts.push_back(std::move(text));
        }
    }
    return texts;
}

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3 in UTF-8.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0xD0 && b <= 0xD3;
    });
}

}  // namespace mv::trtexts
