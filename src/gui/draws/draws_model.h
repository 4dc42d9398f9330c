#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace mv {
class TWorkspace;
}

namespace mv::gui {

// The draws list: row r shows the draw at index High - r (newest on top); rows are supplied
// on demand. Columns: number, the five numbers, extra, sum, date.
class TDrawsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TDrawsModel(TWorkspace& workspace, QStringList captions, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Re-reads the archive: a full reset when forced or when the row count changed, else a
    // repaint of the visible rows.
    void Refresh(bool force);
    void SetChannelColours(bool on);
    bool ChannelColours() const { return m_channelColours; }
    // The draw number shown in a row (used to locate the draw for editing and deleting).
    int NumberAtRow(int row) const;

    enum TColumn { ColNumber = 0, ColFirstNum = 1, ColExtra = 6, ColSum = 7, ColDate = 8 };

private:
    TWorkspace& m_workspace;
    QStringList m_captions;
    bool m_channelColours = true;
    int m_rows = 0;
};

}  // namespace mv::gui
