#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mv::trtexts {

// A string literal of a C++ source, as the program sees it (adjacent literals joined, escapes
// decoded, UTF-8), with the call it is an argument of.
struct TLiteral {
    enum TRole {
        Text,     // the text of Tr("...") or TrNoop("...")
        Comment,  // the disambiguating note of Tr("...", "...")
        Other     // any other literal
    };
    std::string Value;
    TRole Role = Other;
    int Line = 0;  // of the first literal
};

// Every string literal of a C++ source text; comments, character literals and raw strings
// are skipped. A Tr call whose first argument is not a literal contributes nothing.
std::vector<TLiteral> ScanLiterals(const std::string& source);

// A translatable text of the desktop program: source text and note, and where it is first used.
struct TTrText {
    std::string Source;
    std::string Comment;
    std::string File;
    int Line = 0;
};

// The Tr texts of every .cpp and .h file under the folders (recursively) and of the single
// files given, each (source, comment) once, in order of file name and line.
std::vector<TTrText> CollectTrTexts(const std::vector<std::filesystem::path>& roots);

// Whether the UTF-8 text holds a Cyrillic letter.
bool HasCyrillic(const std::string& text);

}  // namespace mv::trtexts
