#include "gui/online/form_script_rates.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/online/online_service.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {
constexpr int kColumnWidths[] = {140, 60, 130, 110, 80, 260};
}

TFormScriptRates::TFormScriptRates(const std::vector<TScriptRating>& ratings, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFormScriptRates"));
    setWindowTitle(Tr("Оценки пользователей"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QString::fromLatin1(ListName));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels(
        {Tr("Имя"), Tr("Оценка"), Tr("Дата"), Tr("Программа"), Tr("Версия"), Tr("Комментарии")});
    m_list->header()->setStretchLastSection(false);
    for (int c = 0; c < m_list->columnCount(); ++c) m_list->setColumnWidth(c, kColumnWidths[c]);
    for (const TScriptRating& rating : ratings) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, Q(rating.AuthorName));
        item->setText(1, Q(rating.Rate));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(2, Q(CatalogTimeText(rating.Created)));
        item->setText(3, Q(rating.AppName));
        item->setText(4, Q(rating.AppVersion));
        item->setText(5, DisplayText(rating.Notes));
    }

    m_close = new QPushButton(Tr("Закрыть"), this);
    m_close->setToolTip(Tr("Закрыть окно"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(820, 360);
}

void TFormScriptRates::RestoreColumnWidths(const TWindowSettings& settings) {
    const std::vector<int> widths =
        ReadSaneColumnWidths(settings, objectName().toStdString(), ListName,
                             std::vector<int>(std::begin(kColumnWidths), std::end(kColumnWidths)));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        m_list->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void TFormScriptRates::SaveColumnWidths(TWindowSettings& settings) const {
    std::vector<int> widths;
    for (int c = 0; c < m_list->columnCount(); ++c) widths.push_back(m_list->columnWidth(c));
    settings.WriteColumnWidths(objectName().toStdString(), ListName, widths);
}

}  // namespace mv::gui
