#include "gui/export/export_source.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <set>

#include "gui/views/view_grid.h"

namespace mv::gui {

namespace {

QHeaderView* ColumnHeader(const QAbstractItemView* view) {
    if (const auto* table = qobject_cast<const QTableView*>(view)) {
        return table->horizontalHeader();
    }
    if (const auto* tree = qobject_cast<const QTreeView*>(view)) return tree->header();
    return nullptr;
}

// A grid shows its row headings as its first column.
bool HasRowHeadings(const TExportSource& source) {
    const auto* table = qobject_cast<const QTableView*>(source.View);
    return source.Kind == TExportKind::Grid && table && !table->verticalHeader()->isHidden();
}

std::int32_t AlignmentOf(const QVariant& value) {
    const Qt::Alignment a = Qt::Alignment::fromInt(value.toInt());
    if (a & Qt::AlignRight) return eaRight;
    if (a & Qt::AlignHCenter) return eaCenter;
    return eaLeft;
}

bool IsNumberType(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::vector<TExportField> SourceFields(const TExportSource& source) {
    std::vector<TExportField> fields;
    const QAbstractItemModel* model = source.View->model();
    const QHeaderView* header = ColumnHeader(source.View);
    int id = 0;
    if (HasRowHeadings(source)) {
        const auto* table = qobject_cast<const QTableView*>(source.View);
        TExportField f;
        f.Id = id++;
        f.Width = ExportWidthFromPixels(table->verticalHeader()->sizeHint().width());
        fields.push_back(f);
    }
    for (int c = 0; c < model->columnCount(); ++c, ++id) {
        if (header && header->isSectionHidden(c)) continue;
        TExportField f;
        f.Id = id;
        f.Caption = f.PhysicalField =
            model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
        // A grid's columns are left-aligned; a list's follow its column.
        if (source.Kind == TExportKind::List) {
            const QVariant a = model->rowCount() > 0
                                   ? model->data(model->index(0, c), Qt::TextAlignmentRole)
                                   : model->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole);
            f.Alignment = AlignmentOf(a);
        }
        f.Width = ExportWidthFromPixels(header ? header->sectionSize(c) : 64);
        fields.push_back(f);
    }
    return fields;
}

std::size_t SourceRowCount(const TExportSource& source) {
    return static_cast<std::size_t>(std::max(0, source.View->model()->rowCount()));
}

TExportSelection SourceSelection(const TExportSource& source) {
    TExportSelection result;
    const QItemSelectionModel* selection = source.View->selectionModel();
    const int rows = source.View->model()->rowCount();
    if (source.Kind == TExportKind::List) {
        const auto mode = source.View->selectionMode();
        const bool several = mode == QAbstractItemView::ExtendedSelection ||
                             mode == QAbstractItemView::MultiSelection ||
                             mode == QAbstractItemView::ContiguousSelection;
        std::set<int> selected;
        if (selection) {
            for (const QModelIndex& i : selection->selectedIndexes()) selected.insert(i.row());
        }
        if (several && selected.size() > 1) {
            result.Rows.assign(selected.begin(), selected.end());
            result.Preset = true;
        } else if (selection && selection->currentIndex().isValid()) {
            result.Rows.push_back(static_cast<std::size_t>(selection->currentIndex().row()));
        } else if (!selected.empty()) {
            result.Rows.push_back(static_cast<std::size_t>(*selected.begin()));
        }
        return result;
    }
    int top = -1;
    int bottom = -1;
    if (const auto* grid = qobject_cast<const TViewGrid*>(source.View)) {
        if (const auto rect = grid->SelectedRect()) {
            top = rect->top();
            bottom = rect->bottom();
        }
    } else if (selection) {
        for (const QModelIndex& i : selection->selectedIndexes()) {
            top = top < 0 ? i.row() : std::min(top, i.row());
            bottom = std::max(bottom, i.row());
        }
        if (top < 0 && selection->currentIndex().isValid()) {
            top = bottom = selection->currentIndex().row();
        }
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, rows - 1);
    for (int r = top; r <= bottom; ++r) result.Rows.push_back(static_cast<std::size_t>(r));
    // Row 0 of the model is the grid's first data row.
    result.Preset = result.Rows.size() > 1 && top > 0;
    return result;
}

TViewExportRows::TViewExportRows(const TExportSource& source)
    : m_source(source), m_rowHeadings(HasRowHeadings(source)) {}

std::size_t TViewExportRows::RowCount() const {
    return SourceRowCount(m_source);
}

void TViewExportRows::Cell(std::size_t row, int column, TExportCell& cell) const {
    const QAbstractItemModel* model = m_source.View->model();
    const int r = static_cast<int>(row);
    QVariant value;
    if (m_rowHeadings && column == 0) {
        value = model->headerData(r, Qt::Vertical, Qt::DisplayRole);
    } else {
        const int c = m_rowHeadings ? column - 1 : column;
        if (c < 0 || c >= model->columnCount()) return;
        value = model->data(model->index(r, c), Qt::DisplayRole);
    }
    if (!value.isValid()) return;
    if (IsNumberType(value)) {
        cell.SetNumber(value.toDouble());
        return;
    }
    std::string text = value.toString().toStdString();
    double number = 0;
    if (ReadReportNumber(text, number)) {
        cell.SetNumber(number);
    } else {
        cell.SetText(std::move(text));
    }
}

}  // namespace mv::gui
