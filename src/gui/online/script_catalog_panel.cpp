#include "gui/online/script_catalog_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/support/list_helpers.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

// The widths the columns have until the user changes them.
constexpr int kColumnWidths[ScriptColumnCount] = {80, 200, 120, 110, 70,  50, 130,
                                                  70, 60,  85,  70,  130, 300};

QStringList ColumnCaptions() {
    return {Tr("Тип"),      Tr("Название"),  Tr("Автор"),      Tr("Программа"), Tr("Версия"),
            Tr("Язык"),     Tr("Создан"),    Tr("Рейтинг"),    Tr("Оценок"),    Tr("Ваша оценка"),
            Tr("Загрузок"), Tr("Последняя"), Tr("Комментарии")};
}

QStringList FilterCaptions() {
    return {Tr("Скрытые"),
            Tr("Все, включая скрытые"),
            Tr("Все, кроме скрытых (по умолчанию)"),
            Tr("Только мои"),
            Tr("Только публичные"),
            Tr("С моими оценками"),
            Tr("Без моих оценок"),
            Tr("Новые (24 часа с момента публикации)")};
}

// A round mark: green for an entry every user sees, amber for a private one.
QIcon AccessIcon(bool isPublic) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(isPublic ? QColor(70, 170, 80) : QColor(230, 160, 40));
    painter.drawEllipse(1, 1, 10, 10);
    return QIcon(pixmap);
}

}  // namespace

QVariant TScriptCatalogModel::data(const QModelIndex& index, int role) const {
    if (index.column() == 0 && IsRow(index.row()) &&
        (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
        const bool isPublic = Entry(index.row()).Public;
        if (role == Qt::ToolTipRole) {
            return isPublic ? Tr("Сценарий виден всем пользователям")
                            : Tr("Сценарий виден только мне");
        }
        static const QIcon publicIcon = AccessIcon(true);
        static const QIcon privateIcon = AccessIcon(false);
        return isPublic ? publicIcon : privateIcon;
    }
    return TListRowsModel::data(index, role);
}

TScriptInfo TScriptCatalogModel::Entry(int row) const {
    return Row(row).Data.value<TScriptInfo>();
}

TListRow TScriptCatalogModel::RowOf(const TScriptInfo& info) {
    const auto texts = ScriptCatalogRowTexts(info);
    TListRow row;
    row.Caption = info.Mine ? Tr("Мой") : Tr("Общий");
    for (std::size_t c = 1; c < texts.size(); ++c) row.SubItems << DisplayText(texts[c]);
    // The words of the list are the program's own texts, the rest is the entry's data.
    if (info.Universal) row.SubItems[2] = Tr("Универсальный");
    if (info.OwnRating == -1) row.SubItems[8] = Tr("Скрытый");
    row.Data = RowData(info);
    return row;
}

TScriptCatalogPanel::TScriptCatalogPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlScriptLibrary"));
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("cbScriptLibraryFilter"));
    m_filter->addItems(FilterCaptions());
    m_filter->setCurrentIndex(DefaultScriptFilter);
    m_filter->setToolTip(Tr("Фильтр сценариев"));
    m_filter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_buttons = new QToolBar(this);
    m_buttons->setObjectName(QStringLiteral("tbScriptLibrary"));
    m_buttons->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lbScriptLibraryNote"));
    m_note->setText(
        Tr("Online-каталог сценариев недоступен: адрес сервиса не задан (ключ "
           "ServiceUrl раздела [ONLINE] файла конфигурации)."));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setEnabled(false);
    m_note->hide();

    m_rows = new TScriptCatalogModel(this);
    m_rows->SetColumns(ColumnCaptions());
    QList<Qt::Alignment> alignments;
    for (int c = 0; c < ScriptColumnCount; ++c) {
        const bool number = c >= RatingColumn && c <= RatingColumn + 3;
        alignments << ((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    m_rows->SetColumnAlignments(alignments);
    m_list = new TSortableListView(this);
    m_list->setObjectName(QString::fromLatin1(ListName));
    m_list->setModel(m_rows);
    for (int c = 0; c < ScriptColumnCount; ++c) m_list->setColumnWidth(c, kColumnWidths[c]);
    m_list->SetSortColumn(RatingColumn);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TScriptCatalogPanel::SelectionChanged);
    connect(m_rows, &QAbstractItemModel::dataChanged, this, &TScriptCatalogPanel::SelectionChanged);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &TScriptCatalogPanel::SelectionChanged);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(m_filter);
    top->addWidget(m_buttons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_note, 1);
    layout->addWidget(m_list, 1);
}

void TScriptCatalogPanel::AddButton(QAction* action) {
    m_buttons->addAction(action);
}

void TScriptCatalogPanel::SetConfigured(bool configured) {
    m_note->setVisible(!configured);
    m_list->setVisible(configured);
}

bool TScriptCatalogPanel::Configured() const {
    return !m_list->isHidden();
}

std::optional<TScriptInfo> TScriptCatalogPanel::SelectedEntry() const {
    const int row = SelectedRow(*m_list);
    if (!m_rows->IsRow(row)) return std::nullopt;
    return m_rows->Entry(row);
}

void TScriptCatalogPanel::SetEntries(const std::vector<TScriptInfo>& entries, std::int32_t keepId) {
    std::vector<TListRow> rows;
    rows.reserve(entries.size());
    for (const TScriptInfo& info : entries) rows.push_back(TScriptCatalogModel::RowOf(info));
    m_rows->SetRows(std::move(rows));
    m_list->Sort();
    const int row = keepId >= 0 ? FindRowById(*m_rows, keepId) : -1;
    if (row >= 0) {
        SelectRow(*m_list, row);
        ScrollIntoView(*m_list, row);
    }
}

void TScriptCatalogPanel::AddEntry(const TScriptInfo& info) {
    m_rows->AppendRow(TScriptCatalogModel::RowOf(info));
    m_list->Sort();
    const int row = FindRowById(*m_rows, info.Id);
    SelectRow(*m_list, row);
    ScrollIntoView(*m_list, row);
}

void TScriptCatalogPanel::ReplaceEntry(std::int32_t id, const TScriptInfo& info) {
    const int row = FindRowById(*m_rows, id);
    if (row >= 0) m_rows->SetRow(row, TScriptCatalogModel::RowOf(info));
}

void TScriptCatalogPanel::RemoveEntry(std::int32_t id) {
    const int row = FindRowById(*m_rows, id);
    if (row < 0) return;
    SelectRow(*m_list, row);
    m_list->DeleteSelected();
}

}  // namespace mv::gui
