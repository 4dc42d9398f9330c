#pragma once

#include <QDialog>

#include "engine/core/records.h"

class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace mv::gui {

// "Подробная информация": a small number card of the draw and a property list.
class TDrawInfoDialog : public QDialog {
    Q_OBJECT
public:
    // Without `drawRows` (a combination, not a draw) the number and date rows are left out.
    TDrawInfoDialog(const TDrawRec& draw, int matrixCols, int channelSize,
                    QWidget* parent = nullptr, bool drawRows = true);

    // Appends one "Свойство" / "Значение" row (statistic rows are added by their owner).
    void AddProperty(const QString& name, const QString& value);

    QTableWidget* Card() const { return m_card; }
    QTreeWidget* Properties() const { return m_properties; }
    QSpinBox* ColumnsBox() const { return m_columns; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RebuildCard();

    TDrawRec m_draw;
    int m_channelSize;
    QSpinBox* m_columns;
    QTableWidget* m_card;
    QTreeWidget* m_properties;
};

}  // namespace mv::gui
