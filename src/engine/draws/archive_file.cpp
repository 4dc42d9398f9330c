#include "engine/draws/archive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/core/errors.h"
#include "engine/support/atomic_file.h"

namespace mv {
namespace {

// Refuse archives beyond this size rather than let a damaged file decide an allocation.
constexpr std::size_t kMaxArchiveBytes = std::size_t{256} << 20;

std::int32_t ReadInt32(const unsigned char* p) {
    const std::uint32_t v =
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(v);
}

void WriteInt32(std::int32_t value, unsigned char* p) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

[[noreturn]] void ThrowFileError(const std::filesystem::path& path, int code) {
    throw EOSError("\"" + path.string() + "\": " + SystemMessage(code));
}

}  // namespace

// The byte arrays are copied with memcpy of a constant size, which the compiler turns into
// a few moves; std::copy of these short arrays became a library call per field.
void DecodeDrawRec(const unsigned char* bytes, TDrawRec& draw) {
    draw.Number = ReadInt32(bytes);
    std::memcpy(draw.Nums.data(), bytes + 4, sizeof draw.Nums);
    draw.Extra = bytes[9];
    draw.DateLen = bytes[10];
    std::memcpy(draw.DateChars.data(), bytes + 11, sizeof draw.DateChars);
    std::memcpy(draw.Padding.data(), bytes + 21, sizeof draw.Padding);
}

void EncodeDrawRec(const TDrawRec& draw, unsigned char* bytes) {
    WriteInt32(draw.Number, bytes);
    std::memcpy(bytes + 4, draw.Nums.data(), sizeof draw.Nums);
    bytes[9] = draw.Extra;
    bytes[10] = draw.DateLen;
    std::memcpy(bytes + 11, draw.DateChars.data(), sizeof draw.DateChars);
    std::memcpy(bytes + 21, draw.Padding.data(), sizeof draw.Padding);
}

std::string EncodeArchive(const TDrawsArray& draws) {
    std::string bytes(draws.size() * DrawRecSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < draws.size(); ++i) EncodeDrawRec(draws[i], out + i * DrawRecSize);
    return bytes;
}

void ReadArchiveFile(const std::filesystem::path& path, TDrawsArray& draws) {
    draws.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) ThrowFileError(path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) ThrowFileError(path, errno);
    if (S_ISDIR(st.st_mode)) ThrowFileError(path, EISDIR);
    if (static_cast<std::size_t>(st.st_size) > kMaxArchiveBytes) ThrowFileError(path, EFBIG);
    draws.reserve(static_cast<std::size_t>(st.st_size) / DrawRecSize);

    // Records are appended as whole ones arrive, so a failing read keeps what came before.
    unsigned char buffer[DrawRecSize * 2048];
    std::size_t filled = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer + filled, sizeof buffer - filled);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowFileError(path, errno);
        }
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
        const std::size_t whole = filled / DrawRecSize;
        if (draws.size() + whole > kMaxArchiveBytes / DrawRecSize) ThrowFileError(path, EFBIG);
        const std::size_t base = draws.size();
        draws.resize(base + whole);
        for (std::size_t i = 0; i < whole; ++i) {
            DecodeDrawRec(buffer + i * DrawRecSize, draws[base + i]);
        }
        const std::size_t used = whole * DrawRecSize;
        std::memmove(buffer, buffer + used, filled - used);
        filled -= used;
    }
}

void WriteArchiveFile(const std::filesystem::path& path, const TDrawsArray& draws) {
    WriteFileAtomically(path, EncodeArchive(draws));
}

int FindDrawIndex(const TDrawsArray& draws, std::int32_t number) {
    const int length = static_cast<int>(draws.size());
    if (length == 0) return -1;
    const int high = length - 1;
    const std::int64_t first = draws.front().Number;
    const std::int64_t last = draws.back().Number;
    if (first == number) return 0;
    if (last == number) return high;
    if (first < last) {
        std::int64_t guess = length * (number - first) / (last - first + 1);
        guess = std::clamp<std::int64_t>(guess, 0, high);
        int i = static_cast<int>(guess);
        const int step = draws[static_cast<std::size_t>(i)].Number < number ? 1 : -1;
        for (; i >= 0 && i <= high; i += step) {
            if (draws[static_cast<std::size_t>(i)].Number == number) return i;
        }
    }
    for (int i = high; i >= 0; --i) {
        if (draws[static_cast<std::size_t>(i)].Number == number) return i;
    }
    return -1;
}

}  // namespace mv
