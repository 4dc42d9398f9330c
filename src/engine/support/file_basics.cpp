#include "engine/support/file_basics.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyBufferSize = 64 * 1024;

bool LStat(const fs::path& path, struct stat& st) {
    return ::lstat(AbsolutePath(path).c_str(), &st) == 0;
}

int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Copies the open source into the open target; returns the errno code or 0.
int CopyContent(int from, int to, std::int64_t* bytes) {
    std::vector<char> buffer(kCopyBufferSize);
    *bytes = 0;
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (const int code = WriteAll(to, buffer.data(), static_cast<std::size_t>(n))) return code;
        *bytes += n;
    }
}

// Gives the new file the source's permissions and times and flushes it.
int FinishCopy(int fd, const struct stat& source) {
    if (::fchmod(fd, source.st_mode & 07777) != 0) return errno;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(fd, times) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

fs::path AbsolutePath(const fs::path& path) {
    if (path.is_absolute() || path.empty()) return path;
    std::error_code ec;
    fs::path result = fs::absolute(path, ec);
    return ec ? path : result;
}

bool PathExists(const fs::path& path) {
    struct stat st {};
    return !path.empty() && LStat(path, st);
}

bool FolderExists(const fs::path& path) {
    struct stat st {};
    return !path.empty() && ::stat(AbsolutePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FolderIsEmpty(const fs::path& path) {
    DIR* dir = ::opendir(AbsolutePath(path).c_str());
    if (!dir) return false;
    bool empty = true;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            empty = false;
            break;
        }
    }
    ::closedir(dir);
    return empty;
}

bool ForceFolders(const fs::path& path, int* errorCode) {
    if (path.empty()) throw EError(Fmt(Msg(TMsg::FolderNotFound), {std::string()}));
    const fs::path full = AbsolutePath(path);
    if (FolderExists(full)) return true;
    fs::path current;
    for (const fs::path& part : full) {
        if (part.empty()) continue;  // a trailing delimiter
        current /= part;
        if (::mkdir(current.c_str(), 0777) == 0) continue;
        const int code = errno;
        if (code == EEXIST && FolderExists(current)) continue;
        if (errorCode) *errorCode = code == EEXIST ? ENOTDIR : code;
        return false;
    }
    return true;
}

bool DeleteOneFile(const fs::path& path) {
    return ::unlink(AbsolutePath(path).c_str()) == 0;
}

bool MoveOneFile(const fs::path& from, const fs::path& to) {
    const fs::path source = AbsolutePath(from);
    const fs::path target = AbsolutePath(to);
    if (PathExists(target)) {
        errno = EEXIST;
        return false;
    }
    if (::rename(source.c_str(), target.c_str()) == 0) return true;
    if (errno != EXDEV) return false;
    fs::path temp;
    std::int64_t bytes = 0;
    if (const int code = CopyToTemporary(source, target, &temp, &bytes)) {
        errno = code;
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        errno = code;
        return false;
    }
    return ::unlink(source.c_str()) == 0;
}

bool MaskMatches(std::string_view mask, std::string_view name) {
    if (mask == "*.*") return true;
    std::size_t m = 0, n = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

std::vector<std::string> SplitMasks(std::string_view masks) {
    std::vector<std::string> result;
    for (const std::string& word : SplitWords(masks, ";")) {
        std::string mask = Trim(word);
        if (!mask.empty()) result.push_back(std::move(mask));
    }
    return result;
}

bool AnyMaskMatches(const std::vector<std::string>& masks, std::string_view name) {
    for (const std::string& mask : masks) {
        if (MaskMatches(mask, name)) return true;
    }
    return false;
}

bool AnyFileMatches(const fs::path& folder, std::string_view masks) {
    const std::vector<std::string> list = SplitMasks(masks);
    std::error_code ec;
    for (fs::directory_iterator it(AbsolutePath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_directory(ec)) continue;
        if (AnyMaskMatches(list, it->path().filename().string())) return true;
    }
    return false;
}

unsigned FileAttributes(const fs::path& path) {
    struct stat st {};
    if (!LStat(path, st)) return 0;
    unsigned attributes = 0;
    if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) attributes |= faReadOnly;
    fs::path name = path.filename();
    if (name.empty()) name = path.parent_path().filename();
    if (name.string().starts_with('.')) attributes |= faHidden;
    return attributes;
}

bool ClearReadOnly(const fs::path& path) {
    struct stat st {};
    if (!LStat(path, st)) return false;
    if (S_ISLNK(st.st_mode) || (st.st_mode & S_IWUSR) != 0) return true;
    return ::chmod(AbsolutePath(path).c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

fs::path TildeName(const fs::path& path) {
    const fs::path folder = path.parent_path();
    const std::string stem = path.stem().string();
    const std::string extension = path.extension().string();
    const std::string tail = extension.empty() ? std::string() : extension.substr(1);
    // Each round makes the name longer, so the system ends the loop with ENAMETOOLONG at
    // the latest; the rename that follows then reports that.
    for (std::string tildes = "~";; tildes += '~') {
        const fs::path candidate = folder / (stem + "." + tildes + tail);
        if (!PathExists(candidate)) return candidate;
    }
}

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
    crc = ~crc;
    for (const char c : bytes) {
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

std::optional<std::uint32_t> FileCrc32(const fs::path& path) {
    const int fd = ::open(AbsolutePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<char> buffer(kCopyBufferSize);
    std::uint32_t crc = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            if (n < 0) return std::nullopt;
            return crc;
        }
        crc = Crc32(std::string_view(buffer.data(), static_cast<std::size_t>(n)), crc);
    }
}

int CopyToTemporary(const fs::path& from, const fs::path& to, fs::path* temp, std::int64_t* bytes) {
    const int source = ::open(AbsolutePath(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return errno;
    struct stat st {};
    int code = 0;
    if (::fstat(source, &st) != 0)
        code = errno;
    else if (S_ISDIR(st.st_mode))
        code = EISDIR;
    else if (!S_ISREG(st.st_mode))
        code = EINVAL;  // devices and pipes are not copied
    if (code != 0) {
        ::close(source);
        return code;
    }
    // A short fixed name: the target's own name may already be near the name-length limit.
    std::string pattern = (AbsolutePath(to).parent_path() / ".mvcopy-XXXXXX").string();
    const int target = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (target < 0) {
        code = errno;
        ::close(source);
        return code;
    }
    code = CopyContent(source, target, bytes);
    if (code == 0) code = FinishCopy(target, st);
    ::close(source);
    if (::close(target) != 0 && code == 0) code = errno;
    if (code != 0) {
        ::unlink(pattern.c_str());
        return code;
    }
    *temp = pattern;
    return 0;
}

}  // namespace mv
