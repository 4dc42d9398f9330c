#include "gui/ratings/ratings_tab.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/core/main_window_keys.h"
#include "gui/ratings/ratings_model.h"
#include "gui/support/list_helpers.h"
#include "gui/support/sortable_list.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {
constexpr const char* kListName = "lvRatings";
}

TRatingsTab::TRatingsTab(const TRatings& rows, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsRatings"));
    m_model = new TRatingsModel(rows, this);
    m_list = new TSortableListView(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The designed widths suit a small font; in a larger one a column is as wide as its
    // caption with the sort mark, so that no caption is cut off.
    for (int c = 0; c < RatingColumnCount; ++c) {
        m_list->setColumnWidth(
            c, std::max(TRatingsModel::DesignedWidths[c], m_list->header()->sectionSizeHint(c)));
    }
    // Until a stored order says otherwise: the best average first.
    m_list->SetSortColumn(3);
    m_list->SetSortDirection(sdDescending);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_list);
}

std::vector<int> TRatingsTab::SelectedRows() const {
    const QList<int> rows = mv::gui::SelectedRows(*m_list);
    std::vector<int> out(rows.begin(), rows.end());
    std::sort(out.begin(), out.end());
    return out;
}

void TRatingsTab::RestoreSettings(const TWindowSettings& settings) {
    m_list->RestoreColumnWidths(settings, MainWindowSection, kListName);
    m_list->RestoreSortState(settings, MainWindowSection, kListName);
}

void TRatingsTab::SaveSettings(TWindowSettings& settings) const {
    m_list->SaveColumnWidths(settings, MainWindowSection, kListName);
    m_list->SaveSortState(settings, MainWindowSection, kListName);
}

}  // namespace mv::gui
