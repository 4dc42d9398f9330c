#include "gui/scenarios/form_test_cnt.h"
#include "gui/support/tr.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace mv::gui {

TFormTestCnt::TFormTestCnt(int maximum, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormTestCnt"));
    setWindowTitle(Tr("Количество тестов"));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("edTestCount"));
    m_count->setRange(1, std::max(1, maximum));
    m_count->setValue(10);
    auto* label = new QLabel(Tr("Укажите количество тестов:"), this);
    label->setBuddy(m_count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
}

int TFormTestCnt::Count() const {
    return m_count->value();
}

}  // namespace mv::gui
