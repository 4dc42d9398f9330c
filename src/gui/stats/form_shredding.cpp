#include "gui/stats/form_shredding.h"
#include "gui/support/tr.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mv::gui {
namespace {
constexpr int kMinDigits = 1;
constexpr int kMaxDigits = 5;
constexpr int kPresetDigits = 2;
}  // namespace

TFormShredding::TFormShredding(const TShreddingSettings& current, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFormShredding"));
    setWindowTitle(Tr("Методы шинковки"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Tr("Знаков после запятой")), 0, 2);
    for (int i = 0; i < 3; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        auto* formula = new QLineEdit(QString::fromStdString(current.Formulas[slot]));
        formula->setObjectName(QStringLiteral("edFormula%1").arg(i + 1));
        formula->setMinimumWidth(320);
        auto* digits = new QSpinBox;
        digits->setObjectName(QStringLiteral("seDigits%1").arg(i + 1));
        digits->setRange(kMinDigits, kMaxDigits);
        const int stored = current.Digits[slot];
        // A count outside the range (a hand-edited file) shows the preset.
        digits->setValue(stored >= kMinDigits && stored <= kMaxDigits ? stored : kPresetDigits);
        auto* label = new QLabel(Tr("Формула %1:").arg(i + 1));
        label->setBuddy(formula);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(formula, i + 1, 1);
        grid->addWidget(digits, i + 1, 2);
        m_formulas[slot] = formula;
        m_digits[slot] = digits;
    }
    grid->setColumnStretch(1, 1);

    auto* note =
        new QLabel(Tr("Используемые переменные:\n"
                      "n1, n2, n3, ..., nX - числа текущего тиража\n"
                      "p1, p2, p3, ..., pX - числа предыдущего тиража"));
    note->setObjectName(QStringLiteral("lbNote"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

TShreddingSettings TFormShredding::Result() const {
    TShreddingSettings settings;
    for (std::size_t i = 0; i < 3; ++i) {
        settings.Formulas[i] = m_formulas[i]->text().toStdString();
        settings.Digits[i] = m_digits[i]->value();
    }
    return settings;
}

}  // namespace mv::gui
