#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/records.h"

namespace mv {

// What a run's results depend on besides the scenario itself: the archive's exact bytes, the
// draws offset, the prize table and stake cost, and the program that computed them. Two runs
// with equal identities and the same scenario give the same results.
struct TRunIdentity {
    std::string ArchiveSha256;  // 64 lower-case hex digits
    int DrawsOffset = 0;
    TMoney Cost = 0;
    std::vector<TProfitRec> Profits;  // in the configuration's order
    std::string Version;
    friend bool operator==(const TRunIdentity&, const TRunIdentity&) = default;
};

// Lower-case hex digits of the SHA-256 of the bytes.
std::string Sha256Hex(std::string_view bytes);

// The identity of a run over the archive file at `archive`. A missing file counts as an empty
// archive (the program reads it as one); a file that exists but cannot be read throws
// EOSError naming it.
TRunIdentity MakeRunIdentity(const std::filesystem::path& archive, int drawsOffset,
                             const TConfigData& config);

// One line: "Идентификатор запуска: архив <12 hex digits>, смещение N, стоимость ставки C,
// выигрыши K=P; K=P ..., версия V". Amounts as the interface writes money; an empty prize
// table is "выигрыши нет".
std::string RunIdentityText(const TRunIdentity& identity);

}  // namespace mv
