#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/stakes/stake_record.h"
#include "engine/support/data_lock.h"

namespace mv {

// The stakes file, read and written through the descriptor that the data-file lock holds:
// the file is open exactly while the lock is held. Every operation throws EError with its
// own message ("<fixed text>\r\r<reason>"), and "Файл ставок не открыт!" when the lock is not
// held. Not thread-safe; one object per lock.
class TStakesFile {
public:
    explicit TStakesFile(TDataLock& lock) : m_lock(lock) {}
    TStakesFile(const TStakesFile&) = delete;
    TStakesFile& operator=(const TStakesFile&) = delete;

    bool IsOpen() const { return m_lock.Held(); }
    const std::filesystem::path& Path() const { return m_lock.Path(); }

    // The number of whole records (a trailing partial record is not counted).
    std::int64_t Count() const;
    bool Empty() const { return Count() == 0; }

    // Once at start-up, before anything else reads the file. An empty file or whole records
    // of version 2 pass unchanged. When the first record's version byte is 2 but the size is
    // not a whole number of records (an append cut short), only the partial last record is
    // cut off. When the version byte is wrong the file is kept as "<name>.bak" beside it
    // ("Marvolet_5z36.lsk.bak", replacing an older backup) and then emptied; when the backup
    // cannot be made the file stays as it is and the failure is thrown. Returns the warning
    // to show (empty when the file was sound). Throws "Ошибка чтения файла ставок!\r\r...".
    std::string LoadCheck();

    // Record `index` counted from the first (0) or, with fromEnd, from the last (-1 is the
    // last record, -2 the one before it). The whole record must lie inside the file, else
    // "Запись со индексом %d в файле данных не найдена!"; errors are wrapped into
    // "Ошибка чтения записи из файла ставок!\r\r...". The last record read is kept and
    // returned again for the same position until the file is written, appended to,
    // truncated or replaced, so a view that asks for the same row repeatedly reads it once.
    TStakeRecord Read(std::int64_t index, bool fromEnd = false) const;
    // Records first..first+count-1 (cut at the end of the file) with one read; for views that
    // read a page of rows and for scans. Same errors as Read.
    std::vector<TStakeRecord> ReadRange(std::int64_t first, std::int64_t count) const;

    // Writes the records at the end with one write. "Ошибка добавления записи в файл
    // ставок!\r\r..."
    void Append(const TStakeRecord& rec) { AppendMany({&rec, 1}); }
    void AppendMany(std::span<const TStakeRecord> recs);

    // AddStakes: refuses a checked record ("Добавление в конец файла уже проверенной
    // ставки!"). For fewer than 2 draws appends the record as it is. Otherwise, for
    // i = 1..draws, appends a marker when the file is not empty and its last record is a
    // stake (DrawNumber > 0), then a copy for draw DrawNumber + i - 1; the whole set goes
    // to the file with one write. A draw number past the int32 range is refused.
    // "Ошибка добавления записи в файл ставок!\r\r..."
    void Add(const TStakeRecord& rec, int draws);

    // FindStake: whether a record for `drawNumber` holds exactly these numbers (the same
    // count, every number among its numbers), scanning from the first record.
    // "Ошибка поиска записи в файле ставок!\r\r..."
    bool Find(std::int32_t drawNumber, std::span<const std::uint8_t> numbers) const;

    // Empties the file. "Ошибка удаления записи из файла ставок!\r\r..."
    void Truncate();

    // Rewrites the file keeping the records for which keep(index, record) is true: the kept
    // records (their bytes as they are) go to "Marvolet_5z36.~tmp" beside the file, which is
    // flushed and renamed over the stakes file; the lock moves to the new file. Until that
    // rename the old file is untouched, so a failure (also one thrown by `keep`) or a crash
    // loses nothing; a temporary file left over is removed. Returns the number of records
    // removed. Failures: "Ошибка удаления записи из файла ставок!\r\r<reason>", where a failed
    // rename gives the reason "Ошибка переименования / удаления временного файла ставок
    // <temporary>!\r\r<system text>".
    using TKeep = std::function<bool(std::int64_t index, const TStakeRecord& rec)>;
    std::int64_t Rewrite(const TKeep& keep);
    std::filesystem::path TemporaryPath() const;

    // Raw access for the check, which rewrites records in place: `count` records from
    // `first` into `bytes` (returns how many whole records were there), and bytes written
    // back at record `first`. Throw EOSError with the system's message; the caller wraps it.
    std::int64_t ReadBlock(std::int64_t first, std::int64_t count,
                           std::vector<unsigned char>& bytes) const;
    void WriteBlock(std::int64_t first, std::span<const unsigned char> bytes);

    // Forgets the cached record (after anything that may have changed the file).
    void ForgetCache() const { m_cache.reset(); }

private:
    int Fd() const;

    TDataLock& m_lock;
    struct TCached {
        std::int64_t Index;
        TStakeRecord Rec;
    };
    mutable std::optional<TCached> m_cache;
};

inline constexpr TMsgText StakesNotOpenMessage{TMsg::StakesNotOpenMessage};

}  // namespace mv
