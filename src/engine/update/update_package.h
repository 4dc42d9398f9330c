#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The safety checks of a self-update: Ed25519 signatures, the names an update description may
// give, and the unpacking of a package, which never lets an entry land outside its folder.

namespace mv {

// The public key (Base64 of the raw 32 bytes) the program trusts for its updates when the
// configuration file names no other.
inline constexpr const char* BuiltInUpdateKey = "T468tuSYnQk+ZzP6V9N2XxirJ423vB03IZWPh3RJSUo=";

// True when `signatureBase64` (Base64 of 64 bytes, blanks and line ends allowed) is a valid
// Ed25519 signature of `message` by the raw public key `publicKeyBase64`. Any malformed input
// answers false.
bool VerifyEd25519(std::string_view message, const std::string& signatureBase64,
                   const std::string& publicKeyBase64);
// True when the text is Base64 of exactly 32 bytes, i.e. could be a raw Ed25519 public key.
bool IsPublicKeyText(const std::string& publicKeyBase64);

// Where a list name of an update description is taken relative to.
enum class TUpdateNameBase { ProgramFolder, ScratchFolder };

// Checks a name of a delete or run list: it must be relative, free of ".." parts, and must
// not lead out of `base` (or be `base` itself) through a symbolic link that already exists.
// Throws EError naming the refused name.
std::filesystem::path CheckedListPath(const std::filesystem::path& base, const std::string& name,
                                      TUpdateNameBase kind);

// True when `path`, with every existing symbolic link resolved, lies strictly inside `base`.
bool StaysInside(const std::filesystem::path& base, const std::filesystem::path& path);

// Unpacks the zip file `package` into `folder`, which must exist. Every entry is checked
// before anything is written: a name that is absolute, holds a ".." part, is a symbolic link
// or equals `reservedName` (the package's own name) refuses the whole package. Entries are
// written with their stored Unix permission bits (owner, group, others; 0644 without any),
// and their CRC-32 is checked by the reader. Throws EError with the reason; what was written
// before a failure stays for the caller to remove with the folder.
void UnpackUpdatePackage(const std::filesystem::path& package, const std::filesystem::path& folder,
                         const std::string& reservedName);

}  // namespace mv
