#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "engine/export/export_params.h"
#include "engine/export/xlsx_report.h"

class QAbstractItemView;

namespace mv::gui {

// How a source's columns and selected rows are known.
enum class TExportKind {
    // A report list: columns are the model's columns (0 the row's caption), any rows may be
    // selected.
    List,
    // A grid of cells: when the view shows row headings, they are column 0 and the model's
    // columns follow; the selection is one rectangle of rows.
    Grid,
};

// One table of the main window that can be exported.
struct TExportSource {
    QAbstractItemView* View = nullptr;
    TExportKind Kind = TExportKind::List;
    // The table's name in the parameters' section ("lvDraws").
    QString Control;
    // The report's title and sheet name: the caption of the table's tab.
    QString Title;
};

// The fields the dialog starts with: one per shown column in column order, all checked, the
// column's heading as caption and physical field, its alignment, its width in characters.
std::vector<TExportField> SourceFields(const TExportSource& source);
// The number of rows "all" sends.
std::size_t SourceRowCount(const TExportSource& source);

// The rows "selected" sends, in order, and whether the dialog starts in that mode: a list
// with several selected rows, or a grid whose selection spans several rows starting below
// the first one. Otherwise the current row (a list) or the selected rectangle's rows.
struct TExportSelection {
    std::vector<std::size_t> Rows;
    bool Preset = false;
};
TExportSelection SourceSelection(const TExportSource& source);

// The cells of a source as the view shows them; plain number texts and numbers become
// numbers. Reads the view's model on demand, so it must outlive no change of the model.
class TViewExportRows : public IExportRows {
public:
    explicit TViewExportRows(const TExportSource& source);
    std::size_t RowCount() const override;
    void Cell(std::size_t row, int column, TExportCell& cell) const override;

private:
    const TExportSource& m_source;
    bool m_rowHeadings;
};

}  // namespace mv::gui
