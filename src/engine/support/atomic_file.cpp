#include "engine/support/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "engine/core/errors.h"

namespace mv {
namespace {

[[noreturn]] void ThrowFileError(const std::filesystem::path& path, int code) {
    throw EOSError("\"" + path.string() + "\": " + SystemMessage(code));
}

class TFd {
public:
    explicit TFd(int fd) : m_fd(fd) {}
    ~TFd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_fd; }
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// The file a rewrite of `path` replaces: the path itself, or the end of its chain of symbolic
// links (which need not exist yet). Renaming over the link would turn it into a plain file
// and leave the file it points to without updates. Errors name `path`.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
    constexpr int kMaxLinks = 40;  // the kernel's own limit on links followed in one lookup
    std::filesystem::path current = path;
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(current, ec);
        if (ec) ThrowFileError(path, ec.value());
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    ThrowFileError(path, ELOOP);
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = FinalTarget(path);
    const std::filesystem::path dir =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    TFd fd(::mkstemp(pattern.data()));
    if (fd.Get() < 0) ThrowFileError(path, errno);
    const std::filesystem::path temp(pattern);
    auto fail = [&](int code) {
        ::close(fd.Release());
        ::unlink(temp.c_str());
        ThrowFileError(target, code);
    };
    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(fd.Get(), mode) != 0) fail(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) fail(errno);
    if (::close(fd.Release()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        ThrowFileError(target, code);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        ThrowFileError(target, code);
    }
    // Make the rename itself durable.
    TFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.Get() >= 0) ::fsync(dirFd.Get());
}

std::string ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) ThrowFileError(path, errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) ThrowFileError(path, errno);
    if (S_ISDIR(st.st_mode)) ThrowFileError(path, EISDIR);
    if (static_cast<std::size_t>(st.st_size) > maxBytes) ThrowFileError(path, EFBIG);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowFileError(path, errno);
        }
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) ThrowFileError(path, EFBIG);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::optional<std::string> AtomicWriteTarget(std::string_view name) {
    // ".", a target of at least one character, "." and mkstemp's six characters.
    constexpr std::size_t kSuffix = 7;
    if (name.size() < 1 + 1 + kSuffix || name.front() != '.') return std::nullopt;
    const std::string_view suffix = name.substr(name.size() - kSuffix);
    if (suffix.front() != '.') return std::nullopt;
    for (const char c : suffix.substr(1)) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) return std::nullopt;
    }
    return std::string(name.substr(1, name.size() - 1 - kSuffix));
}

std::size_t RemoveStaleTemporaryFiles(const std::filesystem::path& dir,
                                      const std::function<bool(std::string_view)>& ownTarget) {
    std::size_t removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto target = AtomicWriteTarget(name);
        if (!target || !ownTarget(*target)) continue;
        std::error_code fileError;
        // A link is never removed, even one named like a temporary file.
        if (it->symlink_status(fileError).type() != std::filesystem::file_type::regular) continue;
        if (std::filesystem::remove(it->path(), fileError)) ++removed;
    }
    return removed;
}

}  // namespace mv
