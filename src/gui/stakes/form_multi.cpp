#include "gui/stakes/form_multi.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

#include "engine/stakes/stake_entry.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

QDialogButtonBox* StakeDialogButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

TFormMulti::TFormMulti(std::int32_t draw, int draws, const QString& comment, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFormMulti"));
    setWindowTitle(Tr("Добавление мультиставки"));
    m_draw = new QSpinBox(this);
    m_draw->setObjectName(QStringLiteral("edDrawNumber"));
    m_draw->setRange(1, INT_MAX);
    m_draw->setValue(std::max<std::int32_t>(1, draw));
    m_draw->setToolTip(Tr("Номер первого тиража"));
    m_draws = new QSpinBox(this);
    m_draws->setObjectName(QStringLiteral("edDrawsCount"));
    m_draws->setRange(1, 65535);
    m_draws->setValue(std::max(1, draws));
    m_draws->setToolTip(
        Tr("Количество тиражей, на которые нужно сделать ставку (начиная с указанного)"));
    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(StakeDialogCommentMax);
    m_comment->setText(comment);

    auto* form = new QFormLayout;
    form->addRow(Tr("Номер тиража:"), m_draw);
    form->addRow(Tr("Кол-во тиражей:"), m_draws);
    auto* commentForm = new QFormLayout;
    commentForm->setRowWrapPolicy(QFormLayout::WrapAllRows);
    commentForm->addRow(Tr("Комментарий к ставке:"), m_comment);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(commentForm);
    layout->addStretch();
    layout->addWidget(StakeDialogButtons(*this));
    setMinimumWidth(360);
}

std::int32_t TFormMulti::Draw() const {
    return m_draw->value();
}
int TFormMulti::DrawsCount() const {
    return m_draws->value();
}
QString TFormMulti::Comment() const {
    return m_comment->text();
}

bool TFormMulti::Validate() {
    if (!m_comment->text().trimmed().isEmpty()) return true;
    TMessages::ShowError(QString::fromUtf8(EmptyStakeCommentMessage), this);
    m_comment->setFocus();
    return false;
}

void TFormMulti::accept() {
    if (Validate()) QDialog::accept();
}

}  // namespace mv::gui
