#include "gui/ratings/form_test_count.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace mv::gui {

TFormTestCount::TFormTestCount(int maximum, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormTestCnt"));
    setWindowTitle(QStringLiteral("Количество тестов"));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("edTestCount"));
    m_count->setRange(1, std::max(1, maximum));
    m_count->setValue(10);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Укажите количество тестов:"), this));
    layout->addWidget(m_count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int TFormTestCount::Count() const {
    return m_count->value();
}

}  // namespace mv::gui
