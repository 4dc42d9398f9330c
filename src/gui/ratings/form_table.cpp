#include "gui/ratings/form_table.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormTable::TFormTable(const TTableRecord& prepared, int selectedCount, const TRegulars& existing,
                       QWidget* parent)
    : QDialog(parent), m_existing(existing), m_selectedCount(selectedCount) {
    setObjectName(QStringLiteral("TFormTable"));
    setWindowTitle(Tr("Добавление регулярной ставки"));
    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(RegularCommentMax);
    m_comment->setText(QString::fromStdString(prepared.Comment));
    m_useMyComb = new QRadioButton(Tr("Использовать постоянную стартовую комбинацию:"), this);
    m_useMyComb->setObjectName(QStringLiteral("rbUseMyComb"));
    m_useLastDraw = new QRadioButton(Tr("Использовать данные предыдущего тиража"), this);
    m_useLastDraw->setObjectName(QStringLiteral("rbUseLastDraw"));
    m_useMyComb->setChecked(!prepared.UseLastDraw);
    m_useLastDraw->setChecked(prepared.UseLastDraw);
    m_startEdit = new QLineEdit(this);
    m_startEdit->setObjectName(QStringLiteral("edCombStart"));
    m_startEdit->setText(selectedCount == 1
                             ? QString::fromStdString(RegularCombText(prepared.Start))
                             : Tr("{...Выделенные комбинации...}"));
    m_step = new QSpinBox(this);
    m_step->setObjectName(QStringLiteral("edStep"));
    m_step->setRange(-MaxNumber, MaxNumber);
    m_step->setValue(prepared.Step);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr("Комментарий к ставке:"), this));
    layout->addWidget(m_comment);
    layout->addWidget(m_useMyComb);
    layout->addWidget(m_startEdit);
    layout->addWidget(m_useLastDraw);
    auto* step = new QFormLayout;
    step->addRow(Tr("Шаг:"), m_step);
    layout->addLayout(step);
    layout->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_useMyComb, &QRadioButton::toggled, this, &TFormTable::UpdateStartBox);
    UpdateStartBox();
    setMinimumWidth(380);
}

QString TFormTable::Comment() const {
    return m_comment->text();
}

bool TFormTable::UseLastDraw() const {
    return m_useLastDraw->isChecked();
}

int TFormTable::Step() const {
    return m_step->value();
}

bool TFormTable::StartBoxUsed() const {
    return m_useMyComb->isChecked() && m_selectedCount == 1;
}

void TFormTable::UpdateStartBox() {
    m_startEdit->setEnabled(StartBoxUsed());
}

bool TFormTable::Validate() {
    const TRegularCheck check =
        CheckRegularDialog(m_existing, m_comment->text().toStdString(), StartBoxUsed(),
                           m_startEdit->text().toStdString());
    if (check.Field == TRegularField::None) {
        m_start = check.Start;
        return true;
    }
    TMessages::ShowError(DisplayText(check.Error), this);
    (check.Field == TRegularField::Start ? m_startEdit : m_comment)->setFocus();
    return false;
}

void TFormTable::accept() {
    if (Validate()) QDialog::accept();
}

}  // namespace mv::gui
