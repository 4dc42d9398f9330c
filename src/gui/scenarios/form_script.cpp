#include "gui/scenarios/form_script.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "engine/scenarios/script_options.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormScript::TFormScript(const QString& title, int excludeDraws,
                         std::function<std::optional<std::string>(const std::string&)> editFilter,
                         QWidget* parent)
    : QDialog(parent), m_editFilter(std::move(editFilter)) {
    setObjectName(QStringLiteral("TFormScript"));
    setWindowTitle(title.isEmpty() ? Tr("Элемент сценария") : title);

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComments"));
    m_comment->setToolTip(Tr("Комментарии (можно оставить пустым)"));
    m_listMode = new QComboBox(this);
    m_listMode->setObjectName(QStringLiteral("cbStartCombsType"));
    for (int m = 0; m < ScriptListModeCount; ++m) m_listMode->addItem(Q(ListModeCaption(m)));
    m_exclude = new QSpinBox(this);
    m_exclude->setObjectName(QStringLiteral("edDrawsExclude"));
    m_exclude->setRange(0, std::numeric_limits<int>::max());
    m_exclude->setValue(std::max(0, excludeDraws));
    m_stakeMode = new QComboBox(this);
    m_stakeMode->setObjectName(QStringLiteral("cbResultCombsMode"));
    for (int m = 0; m < ScriptStakeModeCount; ++m) m_stakeMode->addItem(Q(StakeModeCaption(m)));
    m_clear = new QCheckBox(Q(ClearStakesCaption), this);
    m_clear->setObjectName(QStringLiteral("cbClearStakes"));
    m_newOnly = new QCheckBox(Q(NewOnlyCaption), this);
    m_newOnly->setObjectName(QStringLiteral("cbNewOnly"));

    auto* form = new QFormLayout;
    form->addRow(Tr("Комментарии:"), m_comment);
    form->addRow(Tr("Начальный список комбинаций:"), m_listMode);
    form->addRow(Tr("Кол-во тиражей:"), m_exclude);
    form->addRow(Tr("В случае неоднозначного результата после применения фильтров:"), m_stakeMode);
    form->addRow(m_clear);
    form->addRow(m_newOnly);
    for (int k = 0; k < FiltersPerLine; ++k) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edFilter%1").arg(k + 1));
        edit->installEventFilter(this);
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("btnFilter%1").arg(k + 1));
        button->setText(QStringLiteral("..."));
        button->setToolTip(Tr("Редактировать фильтр"));
        connect(button, &QToolButton::clicked, this, [this, k] { EditFilter(k); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(button);
        form->addRow(Tr("Фильтр %1:").arg(k + 1), row);
        m_filters[static_cast<std::size_t>(k)] = edit;
    }
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(640);
}

void TFormScript::Load(const std::string& lineText) {
    if (IsSeparatorLine(lineText)) return;
    const TScriptLine line = ReadScriptLine(lineText);
    const TScriptOptions options = ReadScriptOptions(line.Options);
    m_comment->setText(Q(line.Comment));
    m_listMode->setCurrentIndex(std::min<int>(options.ListMode, ScriptListModeCount - 1));
    m_exclude->setValue(std::max(0, options.ExcludeDraws));
    m_stakeMode->setCurrentIndex(std::min<int>(options.StakeMode, ScriptStakeModeCount - 1));
    m_clear->setChecked(options.ClearStakes);
    m_newOnly->setChecked(options.NewOnly);
    for (int k = 0; k < FiltersPerLine; ++k) {
        m_filters[static_cast<std::size_t>(k)]->setText(
            Q(line.Filters[static_cast<std::size_t>(k)]));
    }
}

std::string TFormScript::Result() const {
    TScriptOptions options;
    options.ListMode = static_cast<std::uint8_t>(m_listMode->currentIndex());
    options.ExcludeDraws = m_exclude->value();
    options.StakeMode = static_cast<std::uint8_t>(m_stakeMode->currentIndex());
    options.ClearStakes = m_clear->isChecked();
    options.NewOnly = m_newOnly->isChecked();
    TScriptLine line;
    line.Options = ScriptOptionsText(options);
    for (int k = 0; k < FiltersPerLine; ++k) {
        line.Filters[static_cast<std::size_t>(k)] =
            m_filters[static_cast<std::size_t>(k)]->text().toStdString();
    }
    line.Comment = m_comment->text().toStdString();
    return ScriptLineText(line);
}

void TFormScript::EditFilter(int index) {
    if (!m_editFilter || index < 0 || index >= FiltersPerLine) return;
    QLineEdit* edit = m_filters[static_cast<std::size_t>(index)];
    if (const auto text = m_editFilter(edit->text().toStdString())) edit->setText(Q(*text));
}

bool TFormScript::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int k = 0; k < FiltersPerLine; ++k) {
            if (watched == m_filters[static_cast<std::size_t>(k)]) {
                EditFilter(k);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace mv::gui
