#include "gui/stakes/form_stake_filter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/core/constants.h"
#include "engine/stakes/stake_check.h"
#include "gui/stakes/form_multi.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormStakeFilter::TFormStakeFilter(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormStakeFilter"));
    setWindowTitle(Tr("Удаление по условию"));
    m_condition = new QComboBox(this);
    m_condition->setObjectName(QStringLiteral("cbCondition"));
    for (int c = 0; c < StakeConditionCount; ++c) {
        m_condition->addItem(QString::fromUtf8(StakeConditionCaption(c)));
    }
    m_condition->setCurrentIndex(scEqual);
    m_condition->setToolTip(Tr("Режим сравнения с количеством совпадений"));
    m_value = new QSpinBox(this);
    m_value->setObjectName(QStringLiteral("edValue"));
    m_value->setRange(0, NumbersInDraw);
    m_value->setValue(0);
    m_value->setToolTip(Tr("Количество совпадений"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_condition, 1);
    row->addWidget(m_value);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr("Выберите условие:"), this));
    layout->addLayout(row);
    layout->addStretch();
    layout->addWidget(StakeDialogButtons(*this));
    setMinimumWidth(300);
}

int TFormStakeFilter::Condition() const {
    return m_condition->currentIndex();
}
int TFormStakeFilter::Value() const {
    return m_value->value();
}

}  // namespace mv::gui
