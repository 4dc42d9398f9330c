#include "engine/stakes/stake_record.h"

#include <algorithm>
#include <cstring>

#include "engine/core/byte_order.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

void PutNumbers(unsigned char* p, const TStakeNumbers& n) {
    PutU32(p, static_cast<std::uint32_t>(n.Count));
    std::copy(n.Nums.begin(), n.Nums.end(), p + 4);
}
TStakeNumbers GetNumbers(const unsigned char* p) {
    TStakeNumbers n;
    n.Count = static_cast<std::int32_t>(GetU32(p));
    std::copy(p + 4, p + 4 + StakeNumberSlots, n.Nums.begin());
    return n;
}

}  // namespace

std::span<const std::uint8_t> TStakeNumbers::Used() const {
    const int count = std::clamp(Count, 0, StakeNumberSlots);
    return {Nums.data(), static_cast<std::size_t>(count)};
}

void TStakeNumbers::Assign(std::span<const std::uint8_t> numbers) {
    Nums.fill(0);
    const std::size_t count = std::min<std::size_t>(numbers.size(), StakeNumberSlots);
    std::copy_n(numbers.begin(), count, Nums.begin());
    Count = static_cast<std::int32_t>(count);
}

bool TStakeNumbers::Contains(std::uint8_t number) const {
    const auto used = Used();
    return std::find(used.begin(), used.end(), number) != used.end();
}

TStakeRecord MakeStakeMarker() {
    TStakeRecord marker;
    marker.Kind = skMarker;
    marker.DrawNumber = -1;
    marker.Matches.Count = -1;
    return marker;
}

void EncodeStakeRec(const TStakeRecord& rec, unsigned char* out) {
    std::memset(out, 0, StakeRecSize);
    out[0] = rec.Version;
    out[1] = rec.Kind;
    PutU32(out + 4, static_cast<std::uint32_t>(rec.DrawNumber));
    out[8] = rec.Checked;
    PutU32(out + 12, static_cast<std::uint32_t>(rec.SampleSize));
    PutNumbers(out + 16, rec.Numbers);
    std::copy(rec.DrawResult.begin(), rec.DrawResult.end(), out + 28);
    PutNumbers(out + 36, rec.Matches);
    PutU64(out + 48, static_cast<std::uint64_t>(rec.Profit));
    PutShortString(out + 56, rec.Comment, StakeCommentMax);
}

TStakeBytes EncodeStakeRec(const TStakeRecord& rec) {
    TStakeBytes bytes;
    EncodeStakeRec(rec, bytes.data());
    return bytes;
}

TStakeRecord DecodeStakeRec(const unsigned char* in) {
    TStakeRecord rec = DecodeStakeRecWithoutComment(in);
    rec.Comment = GetShortString(in + 56);
    return rec;
}

void EncodeStakeResult(const TStakeRecord& rec, unsigned char* out) {
    out[8] = rec.Checked;
    std::copy(rec.DrawResult.begin(), rec.DrawResult.end(), out + 28);
    PutNumbers(out + 36, rec.Matches);
    PutU64(out + 48, static_cast<std::uint64_t>(rec.Profit));
}

TStakeRecord DecodeStakeRecWithoutComment(const unsigned char* in) {
    TStakeRecord rec;
    rec.Version = in[0];
    rec.Kind = in[1];
    rec.DrawNumber = static_cast<std::int32_t>(GetU32(in + 4));
    rec.Checked = in[8];
    rec.SampleSize = static_cast<std::int32_t>(GetU32(in + 12));
    rec.Numbers = GetNumbers(in + 16);
    std::copy(in + 28, in + 28 + NumbersInDraw, rec.DrawResult.begin());
    rec.Matches = GetNumbers(in + 36);
    rec.Profit = static_cast<TMoney>(GetU64(in + 48));
    return rec;
}

const char* StakeKindText(int kind) {
    switch (kind) {
        case skManual:
            return Msg(TMsg::StakeKindManual).c_str();
        case skRegular:
            return Msg(TMsg::StakeKindRegular).c_str();
        case skScript:
            return Msg(TMsg::StakeKindScenario).c_str();
        case skSystem:
            return Msg(TMsg::StakeKindSystem).c_str();
        default:
            return "";
    }
}

std::string StakeNumbersText(std::span<const std::uint8_t> numbers, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += separator;
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::string MoneyText(TMoney amount) {
    return FormatFloat(static_cast<long double>(amount) / MoneyScale, 2);
}

}  // namespace mv
