#include "engine/stakes/stakes_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/support/file_basics.h"

namespace mv {
namespace {

constexpr std::int64_t kRecSize = static_cast<std::int64_t>(StakeRecSize);
// Records per read while scanning or copying: 1.2 MiB at a time.
constexpr std::int64_t kBlockRecords = 4096;

void ReadAll(int fd, unsigned char* out, std::size_t size, std::int64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) RaiseLastSystemError();
        if (n == 0) throw EOSError(Msg(TMsg::StakesUnexpectedEnd));
        done += static_cast<std::size_t>(n);
    }
}

void WriteAll(int fd, const unsigned char* data, std::size_t size, std::int64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) RaiseLastSystemError();
        done += static_cast<std::size_t>(n);
    }
}

std::int64_t FileSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) RaiseLastSystemError();
    return static_cast<std::int64_t>(st.st_size);
}

// Runs `work`, turning any failure into "<fixedText>\r\r<reason>".
template <class TWork>
decltype(auto) Wrapped(const std::string& fixedText, TWork&& work) {
    try {
        return work();
    } catch (const std::exception& e) {
        throw EError(OperationMessage(fixedText, e.what()));
    }
}

constexpr TMsgText kReadLoadError{TMsg::StakesReadLoadError};
constexpr TMsgText kReadError{TMsg::StakesReadRecordError};
constexpr TMsgText kAppendError{TMsg::StakesAppendError};
constexpr TMsgText kFindError{TMsg::StakesFindError};
constexpr TMsgText kDeleteError{TMsg::StakesDeleteRecordError};

}  // namespace

int TStakesFile::Fd() const {
    if (!m_lock.Held()) throw EError(StakesNotOpenMessage);
    return m_lock.Descriptor();
}

std::int64_t TStakesFile::Count() const {
    const int fd = Fd();
    return Wrapped(kReadError, [&] { return FileSize(fd) / kRecSize; });
}

std::string TStakesFile::LoadCheck() {
    const int fd = Fd();
    ForgetCache();
    return Wrapped(kReadLoadError, [&]() -> std::string {
        const std::int64_t size = FileSize(fd);
        if (size == 0) return {};
        unsigned char version = 0;
        ReadAll(fd, &version, 1, 0);
        if (version == StakeVersion) {
            const std::int64_t partial = size % kRecSize;
            if (partial == 0) return {};
            // A crash during an append leaves the last record short; the records before it
            // are whole and stay.
            if (::ftruncate(fd, static_cast<off_t>(size - partial)) != 0) RaiseLastSystemError();
            return Msg(TMsg::StakesIncompletePrefix) + std::to_string(partial) + Msg(TMsg::OfWord) +
                   std::to_string(kRecSize) + Msg(TMsg::StakesIncompleteMiddle) +
                   std::to_string(size / kRecSize) + Msg(TMsg::StakesIncompleteSuffix);
        }
        // Not a file this program wrote: keep a copy before starting an empty one.
        std::filesystem::path backup = Path();
        backup += ".bak";
        std::filesystem::path temp;
        std::int64_t copied = 0;
        const int code = CopyToTemporary(Path(), backup, &temp, &copied);
        if (code != 0) {
            throw EOSError("\"" + backup.string() + "\": " + SystemMessage(code) +
                           Msg(TMsg::StakesFileUnchanged));
        }
        if (::rename(temp.c_str(), backup.c_str()) != 0) {
            const int renameCode = errno;
            ::unlink(temp.c_str());
            throw EOSError("\"" + backup.string() + "\": " + SystemMessage(renameCode) +
                           Msg(TMsg::StakesFileUnchanged));
        }
        if (::ftruncate(fd, 0) != 0) RaiseLastSystemError();
        return Msg(TMsg::StakesOldVersionPrefix) + backup.string() + "\".";
    });
}

TStakeRecord TStakesFile::Read(std::int64_t index, bool fromEnd) const {
    const int fd = Fd();
    return Wrapped(kReadError, [&] {
        const std::int64_t count = FileSize(fd) / kRecSize;
        const std::int64_t absolute = fromEnd ? count + index : index;
        if (absolute < 0 || absolute >= count) {
            throw EError(Msg(TMsg::RecordIndexPrefix) + std::to_string(index) +
                         Msg(TMsg::RecordIndexNotFound));
        }
        if (m_cache && m_cache->Index == absolute) return m_cache->Rec;
        TStakeBytes bytes;
        ReadAll(fd, bytes.data(), bytes.size(), absolute * kRecSize);
        m_cache = TCached{absolute, DecodeStakeRec(bytes.data())};
        return m_cache->Rec;
    });
}

std::vector<TStakeRecord> TStakesFile::ReadRange(std::int64_t first, std::int64_t count) const {
    Fd();
    return Wrapped(kReadError, [&] {
        std::vector<unsigned char> bytes;
        const std::int64_t got = ReadBlock(first, count, bytes);
        std::vector<TStakeRecord> recs;
        recs.reserve(static_cast<std::size_t>(got));
        for (std::int64_t i = 0; i < got; ++i) {
            recs.push_back(DecodeStakeRec(bytes.data() + i * kRecSize));
        }
        return recs;
    });
}

std::int64_t TStakesFile::ReadBlock(std::int64_t first, std::int64_t count,
                                    std::vector<unsigned char>& bytes) const {
    const int fd = Fd();
    const std::int64_t total = FileSize(fd) / kRecSize;
    if (first < 0 || first > total) {
        throw EError(Msg(TMsg::RecordIndexPrefix) + std::to_string(first) +
                     Msg(TMsg::RecordIndexNotFound));
    }
    const std::int64_t got = std::clamp<std::int64_t>(count, 0, total - first);
    bytes.resize(static_cast<std::size_t>(got * kRecSize));
    if (got > 0) ReadAll(fd, bytes.data(), bytes.size(), first * kRecSize);
    return got;
}

void TStakesFile::WriteBlock(std::int64_t first, std::span<const unsigned char> bytes) {
    const int fd = Fd();
    ForgetCache();
    WriteAll(fd, bytes.data(), bytes.size(), first * kRecSize);
}

void TStakesFile::AppendMany(std::span<const TStakeRecord> recs) {
    const int fd = Fd();
    ForgetCache();
    Wrapped(kAppendError, [&] {
        std::vector<unsigned char> bytes(recs.size() * StakeRecSize);
        for (std::size_t i = 0; i < recs.size(); ++i) {
            EncodeStakeRec(recs[i], bytes.data() + i * StakeRecSize);
        }
        // Whole records only: a partial record left by an earlier crash is overwritten.
        const std::int64_t end = FileSize(fd) / kRecSize * kRecSize;
        WriteAll(fd, bytes.data(), bytes.size(), end);
    });
}

void TStakesFile::Add(const TStakeRecord& rec, int draws) {
    if (rec.Checked != 0) throw EError(Msg(TMsg::AppendCheckedStake));
    if (draws < 2) {
        Append(rec);
        return;
    }
    const std::int64_t lastDraw = static_cast<std::int64_t>(rec.DrawNumber) + draws - 1;
    if (lastDraw > std::numeric_limits<std::int32_t>::max()) {
        throw EError(OperationMessage(kAppendError, Msg(TMsg::DrawNumberWordPrefix) +
                                                        std::to_string(lastDraw) +
                                                        Msg(TMsg::OutOfRangeSuffix)));
    }
    bool lastIsStake = false;
    if (Count() > 0) lastIsStake = Read(-1, true).DrawNumber > 0;
    std::vector<TStakeRecord> recs;
    recs.reserve(static_cast<std::size_t>(draws) * 2);
    for (int i = 0; i < draws; ++i) {
        if (lastIsStake) recs.push_back(MakeStakeMarker());
        TStakeRecord copy = rec;
        copy.DrawNumber = rec.DrawNumber + i;
        recs.push_back(copy);
        lastIsStake = copy.DrawNumber > 0;
    }
    AppendMany(recs);
}

bool TStakesFile::Find(std::int32_t drawNumber, std::span<const std::uint8_t> numbers) const {
    Fd();
    return Wrapped(kFindError, [&] {
        std::vector<unsigned char> bytes;
        for (std::int64_t first = 0;; first += kBlockRecords) {
            const std::int64_t got = ReadBlock(first, kBlockRecords, bytes);
            for (std::int64_t i = 0; i < got; ++i) {
                const TStakeRecord rec = DecodeStakeRecWithoutComment(bytes.data() + i * kRecSize);
                if (rec.DrawNumber != drawNumber) continue;
                if (rec.Numbers.Count != static_cast<std::int32_t>(numbers.size())) continue;
                if (std::all_of(numbers.begin(), numbers.end(),
                                [&](std::uint8_t n) { return rec.Numbers.Contains(n); })) {
                    return true;
                }
            }
            if (got < kBlockRecords) return false;
        }
    });
}

void TStakesFile::Truncate() {
    const int fd = Fd();
    ForgetCache();
    Wrapped(kDeleteError, [&] {
        if (::ftruncate(fd, 0) != 0) RaiseLastSystemError();
    });
}

std::filesystem::path TStakesFile::TemporaryPath() const {
    std::filesystem::path temp = Path();
    return temp.replace_extension(".~tmp");
}

std::int64_t TStakesFile::Rewrite(const TKeep& keep) {
    const int fd = Fd();
    ForgetCache();
    const std::filesystem::path temp = TemporaryPath();
    int tempFd = -1;
    const auto discardTemp = [&] {
        if (tempFd >= 0) ::close(tempFd);
        tempFd = -1;
        ::unlink(temp.c_str());
    };
    try {
        std::int64_t removed = 0;
        ::unlink(temp.c_str());
        tempFd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (tempFd < 0) RaiseLastSystemError();
        // Locked before it can appear under the stakes file's name, so the lock never lapses.
        if (::flock(tempFd, LOCK_EX | LOCK_NB) != 0) RaiseLastSystemError();
        struct stat st {};
        if (::fstat(fd, &st) == 0) ::fchmod(tempFd, st.st_mode & 07777);

        std::vector<unsigned char> in;
        std::vector<unsigned char> out;
        std::int64_t written = 0;
        for (std::int64_t first = 0;; first += kBlockRecords) {
            const std::int64_t got = ReadBlock(first, kBlockRecords, in);
            out.clear();
            for (std::int64_t i = 0; i < got; ++i) {
                const unsigned char* rec = in.data() + i * kRecSize;
                if (keep(first + i, DecodeStakeRec(rec))) {
                    out.insert(out.end(), rec, rec + kRecSize);
                } else {
                    ++removed;
                }
            }
            WriteAll(tempFd, out.data(), out.size(), written);
            written += static_cast<std::int64_t>(out.size());
            if (got < kBlockRecords) break;
        }
        if (::fsync(tempFd) != 0) RaiseLastSystemError();
        try {
            m_lock.ReplaceWith(temp, tempFd);
        } catch (const std::exception& e) {
            throw EOSError(
                OperationMessage(Msg(TMsg::StakesTempFileError) + temp.string() + "!", e.what()));
        }
        tempFd = -1;  // now the lock's
        // The rename is durable once the folder is flushed; a failure here loses nothing.
        const int dirFd = ::open(temp.parent_path().empty() ? "." : temp.parent_path().c_str(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
        return removed;
    } catch (const std::exception& e) {
        discardTemp();
        throw EError(OperationMessage(kDeleteError, e.what()));
    }
}

}  // namespace mv
