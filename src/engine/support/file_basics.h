#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Plain file-system tests and path rules under the logged file operations. Nothing here
// throws for a failing item: the calls answer true/false (or an errno code).
//
// Paths: there is no long-path form on Linux; a path of any length up to the system's limit
// is handed to the system as it is. Relative paths are made absolute first.

namespace mv {

// The absolute form of a path (relative paths are resolved against the current folder).
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// True when the system reports the entry (a file, a folder, or a link even if dangling).
bool PathExists(const std::filesystem::path& path);
// True when the path exists and is a folder (a link to a folder counts).
bool FolderExists(const std::filesystem::path& path);
// True when the folder holds no entry other than "." and ".."; false when it cannot be read.
bool FolderIsEmpty(const std::filesystem::path& path);

// Creates every missing folder of the path, outermost first. The root or an existing folder
// counts as done. Throws EError "Каталог \"\" не найден!" for an empty path; any other failure
// answers false with the errno code in *errorCode.
bool ForceFolders(const std::filesystem::path& path, int* errorCode = nullptr);

// unlink(2); true on success.
bool DeleteOneFile(const std::filesystem::path& path);
// Moves a file without ever replacing an existing target (fails with EEXIST then); a move to
// another file system copies the content and deletes the source. True on success.
bool MoveOneFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Name matching with "*" (any run) and "?" (one character), case-sensitive as the file
// system is; "*.*" matches every name, as callers used to other systems expect.
bool MaskMatches(std::string_view mask, std::string_view name);
// `masks` separated by ";"; blanks around each mask are ignored.
std::vector<std::string> SplitMasks(std::string_view masks);
bool AnyMaskMatches(const std::vector<std::string>& masks, std::string_view name);
// True when at least one file (not a folder) in the folder matches one of the masks.
bool AnyFileMatches(const std::filesystem::path& folder, std::string_view masks);

// Attributes as this platform has them: read-only is a file whose owner lacks write
// permission; hidden is a name that starts with "."; system does not exist (never set).
enum TFileAttribute : unsigned { faReadOnly = 0x01, faHidden = 0x02, faSystem = 0x04 };
unsigned FileAttributes(const std::filesystem::path& path);
// Gives the owner write permission. Hidden is a property of the name and system does not
// exist, so read-only is the only attribute there is to clear. True on success.
bool ClearReadOnly(const std::filesystem::path& path);

// The name an existing file is moved aside to when it cannot be replaced in place: the dot
// of its extension becomes ".~", repeated until the name is free (name.ext -> name.~ext ->
// name.~~ext; a name without extension gets ".~", ".~~", ...).
std::filesystem::path TildeName(const std::filesystem::path& path);

// The CRC-32 (IEEE 802.3, as zip and PNG use it) of bytes and of a file's content;
// std::nullopt when the file cannot be read.
std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);
std::optional<std::uint32_t> FileCrc32(const std::filesystem::path& path);

// Copies the content of `from` into a new temporary file in the folder of `to`, with the
// source's permissions and modification time, flushed to disk. On success *temp names the
// new file (the caller renames it into place) and *bytes its size; on failure nothing is
// left behind and the errno code is returned.
int CopyToTemporary(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::filesystem::path* temp, std::int64_t* bytes);

}  // namespace mv
