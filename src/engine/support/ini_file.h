#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

// A settings file of the INI kind ("[Section]", then "Key=Value" lines), kept whole in memory
// and written back in place.
//
// On disk the file is Windows-1251 with CR LF line ends; every name and value crossing this
// interface is UTF-8. A file that starts with a UTF-8 or UTF-16 byte-order mark is decoded
// accordingly and written back as Windows-1251 without the mark.
//
// Reading is tolerant: a missing file reads as empty; section and key names are compared
// without regard to case (Latin and Cyrillic); names and values are trimmed; a key that
// occurs twice gives its first value, and a section that occurs twice is searched in file
// order; lines that are neither sections nor keys (comments, junk, text before the first
// section) are kept as they are; "[Name" without the closing bracket names a section too.
// A value that does not convert gives the caller's default. Values are taken literally:
// no quotes are added or removed.
//
// Writing keeps everything it does not change byte for byte: the order of sections and
// keys, comments and unknown lines. A changed key keeps its place (and its spelling in the
// file); a new key goes after the last non-blank line of its section; a new section goes
// to the end of the file. Line breaks inside written names and values become blanks, so a
// value can never inject lines into the file.
//
// Every write flushes the file at once through WriteFileAtomically, unless a batch is open
// (BeginUpdate/EndUpdate, which nest): then the file is written once when the outermost
// batch ends, and only if something changed. A failed flush throws EOSError and leaves the
// changes in memory.
//
// Not thread-safe. Each object holds its own copy: two objects of one file do not see each
// other's changes until they are constructed again.
class TIniFile {
public:
    // Reads the file; throws EOSError when it exists but cannot be read (or is over 16 MiB).
    explicit TIniFile(std::filesystem::path file);
    // The text of a settings file already in memory (a reply, a test, a fuzzing input). The
    // object has no file: changes stay in memory, where Serialize gives them.
    static TIniFile FromBytes(std::string_view bytes);

    const std::filesystem::path& FileName() const { return m_file; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal integers only ("12abc", "0x10", values outside int32 give the default).
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    // An integer: 0 is false, any other integer true; anything else gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // Accepts "." and "," as the decimal separator.
    long double ReadFloat(std::string_view section, std::string_view key, long double def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Written as "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Written with the interface decimal separator (FormatIniFloat).
    void WriteFloat(std::string_view section, std::string_view key, long double value);

    // True when the file holds a header of the section (even with no keys under it).
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Removes every occurrence of the section: its header and all its lines.
    void EraseSection(std::string_view section);
    // Removes every line of the key in the section (all duplicates).
    void DeleteKey(std::string_view section, std::string_view key);
    // The keys of the section in file order, each once (first spelling).
    std::vector<std::string> ReadSection(std::string_view section) const;

    // Writes the whole file now.
    void UpdateFile();
    void BeginUpdate();
    // Ends a batch; the outermost end writes the file when anything changed in between.
    void EndUpdate();

    // The file's bytes as UpdateFile would write them.
    std::string Serialize() const;

private:
    struct TLine {
        std::string Raw;    // Windows-1251, without the line end
        std::string Key;    // trimmed key (Windows-1251); meaningful when IsKey
        std::string Value;  // trimmed value (Windows-1251)
        bool IsKey = false;
    };
    struct TSection {
        std::string Name;    // trimmed name (Windows-1251)
        std::string Header;  // the header line as read; empty for the lines before any section
        bool HasHeader = false;
        std::vector<TLine> Lines;
    };

    void Parse(std::string_view bytes);
    const TLine* FindKey(std::string_view section, std::string_view key) const;
    TSection& AddSection(const std::string& name);
    void Changed();

    TIniFile() = default;

    std::filesystem::path m_file;
    bool m_inMemory = false;
    std::vector<TSection> m_sections;  // m_sections[0] holds the lines before any section
    int m_updateDepth = 0;
    bool m_dirty = false;
};

// Float text for a settings file: the shortest text in fixed notation (never an exponent)
// that reads back to the same value, with the interface decimal separator; 0.5 gives "0,5"
// and 3 gives "3". A value that is exactly a double - what the dialogs' number fields hold -
// is written as that double's shortest text, so 0.2 typed in a dialog gives "0,2" rather than
// the "0,200000000000000011" its extended form would need; it reads back as the same double.
std::string FormatIniFloat(long double value);

}  // namespace mv
