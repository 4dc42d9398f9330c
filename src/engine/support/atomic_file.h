#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
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

// The name of the file that a temporary file of WriteFileAtomically was made for, or nullopt
// when `name` does not have the temporary files' form (".<target>.XXXXXX", six letters or
// digits of mkstemp).
std::optional<std::string> AtomicWriteTarget(std::string_view name);

// Removes from `dir` (not its subfolders) the temporary files that interrupted runs of
// WriteFileAtomically left behind, for the targets `ownTarget` accepts; anything else,
// and anything but a regular file, stays. The caller guarantees that no write into `dir` is
// in progress (it holds the data-file lock). Errors are ignored: a file that cannot be
// removed now is tried again at the next start. Returns how many files were removed.
std::size_t RemoveStaleTemporaryFiles(const std::filesystem::path& dir,
                                      const std::function<bool(std::string_view)>& ownTarget);

}  // namespace mv
