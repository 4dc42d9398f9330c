#pragma once

#include <filesystem>
#include <string_view>

namespace mv {

// Replaces a file's whole content safely: the bytes go to a temporary file in the same
// directory, which is flushed to disk and renamed over the target. A path that is a symbolic
// link is written through: the target is the file at the end of its chain of links, and the
// links stay links. On any failure the target is left as it was, the temporary file is
// removed and EOSError is thrown with the system's message.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; throws EOSError with the system's message when it cannot be read.
// Files larger than maxBytes are refused (untrusted input never decides an allocation).
std::string ReadWholeFile(const std::filesystem::path& path,
                          std::size_t maxBytes = std::size_t{1} << 30);

}  // namespace mv
