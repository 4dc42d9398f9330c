#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <cstdint>
#include <vector>

#include "engine/stakes/stake_record.h"

namespace mv {
class TStakesFile;
}

namespace mv::gui {

// The stakes grid: row r shows record r of the stakes file in nine columns. Records are read
// on demand a page at a time, so a file of any length costs only the rows in sight; the page
// is dropped on every refresh, since checking rewrites records in place.
class TStakesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn {
        colDraw = 0,
        colKind,
        colStake,
        colSample,
        colResult,
        colMatchCount,
        colMatches,
        colProfit,
        colComment,
        ColumnCount
    };
    // The numbers a cell draws one by one (QList<int>, empty for other cells), and the matched
    // numbers among them that are drawn bold and blue (QList<int>).
    static constexpr int NumbersRole = Qt::UserRole + 1;
    static constexpr int MatchedRole = Qt::UserRole + 2;
    // The designed widths of the columns, in pixels.
    static const int DesignedWidths[ColumnCount];

    explicit TStakesModel(const TStakesFile& file, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Follows the file: forgets the cached page and sets the row count to the record count
    // (0 while the file is not open). Rows appended at the end keep the selection and the
    // scroll position. Returns whether the row count changed.
    bool Refresh();
    // The record of a row (a marker's fields for a row that cannot be read).
    TStakeRecord Record(int row) const;

    // Records read from the file since the model was made: views read a page, not a row.
    std::int64_t RecordsRead() const { return m_recordsRead; }

private:
    const TStakeRecord* Cached(int row) const;

    const TStakesFile& m_file;
    int m_rows = 0;
    mutable std::int64_t m_pageFirst = -1;
    mutable std::vector<TStakeRecord> m_page;
    mutable std::int64_t m_recordsRead = 0;
};

// Draws the stakes grid's cells: the kind's colour behind rows that are not selected, the
// staked and the drawn numbers one by one with the matched ones bold and blue, the texts
// centred, the profit right-aligned and the comment left-aligned 2 pixels from the edge,
// and never starting left of the cell. Selected rows show every text in the highlight's text
// colour.
class TStakesDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace mv::gui
