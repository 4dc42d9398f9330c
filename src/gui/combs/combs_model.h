#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <utility>

#include "engine/core/records.h"

namespace mv::gui {

// The combinations list: row i shows i + 1, the five numbers of entry i in stored order and
// their sum. Rows are supplied on demand from the working list.
class TCombsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The working list as (first entry, count); read on every paint, so it must stay valid.
    using TSource = std::function<std::pair<const TComb*, std::size_t>()>;

    TCombsModel(TSource source, std::function<int()> channelSize, QStringList captions,
                QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Resets when the count differs from the shown rows (or when forced), else repaints.
    void Refresh(bool force);
    void SetChannelColours(bool on);
    bool ChannelColours() const { return m_channelColours; }

private:
    TSource m_source;
    std::function<int()> m_channelSize;
    QStringList m_captions;
    bool m_channelColours = true;
    int m_rows = 0;
};

}  // namespace mv::gui
