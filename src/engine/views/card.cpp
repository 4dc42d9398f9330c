#include "engine/views/card.h"

#include "engine/core/constants.h"
#include "engine/core/game.h"

namespace mv {

TCard::TCard(const TDrawsArray& draws) {
    m_rows.reserve(draws.size());
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        TCardRow row;
        row.Number = it->Number;
        row.Extra = it->Extra;
        for (const std::uint8_t n : it->Nums) {
            if (n >= 1 && n <= MaxNumber) row.Mask |= std::uint64_t{1} << n;
        }
        m_rows.push_back(row);
    }
}

std::string TCard::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount()) return {};
    if (column == 0) return std::to_string(Row(row).Number);
    if (column == CardExtraColumn) return std::to_string(Row(row).Extra);
    if (column >= 1 && column <= MaxNumber && Has(row, column)) return std::to_string(column);
    return {};
}

TCardRun TCard::Run(int row, int number) const {
    if (row < 0 || row >= RowCount() || number < 1 || number > MaxNumber || !Has(row, number)) {
        return TCardRun::None;
    }
    const bool repeat =
        (row > 0 && Has(row - 1, number)) || (row + 1 < RowCount() && Has(row + 1, number));
    const bool neighbour =
        (number > 1 && Has(row, number - 1)) || (number < MaxNumber && Has(row, number + 1));
    if (repeat) return neighbour ? TCardRun::RepeatAndNeighbour : TCardRun::Repeat;
    return neighbour ? TCardRun::Neighbour : TCardRun::None;
}

std::optional<TRgb> CardCellColour(const TCard& card, int row, int number, bool channels,
                                   bool sequences, int channelSize) {
    if (number < 1 || number > MaxNumber) return std::nullopt;
    if (sequences) {
        switch (card.Run(row, number)) {
            case TCardRun::RepeatAndNeighbour:
                return TRgb{255, 255, 0};
            case TCardRun::Repeat:
                return TRgb{0, 255, 0};
            case TCardRun::Neighbour:
                return TRgb{0, 255, 255};
            case TCardRun::None:
                break;
        }
    }
    if (channels) return ChannelColor(number, channelSize);
    return std::nullopt;
}

}  // namespace mv
