#include "gui/stakes/form_stake.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

#include "engine/stakes/stake_entry.h"
#include "gui/stakes/form_multi.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormStake::TFormStake(const TStakeRecord& stake, QWidget* parent)
    : QDialog(parent), m_result(stake) {
    setObjectName(QStringLiteral("TFormStake"));
    setWindowTitle(Tr("Добавление ставки"));

    m_draw = new QSpinBox(this);
    m_draw->setObjectName(QStringLiteral("edDrawNumber"));
    m_draw->setRange(1, INT_MAX);
    m_draw->setValue(std::max(1, stake.DrawNumber));
    m_draw->setToolTip(Tr("Номер первого тиража"));

    m_stake = new QLineEdit(this);
    m_stake->setObjectName(QStringLiteral("edStakeData"));
    m_sum = new QLineEdit(this);
    m_sum->setObjectName(QStringLiteral("edStakeSum"));
    m_sum->setReadOnly(true);
    connect(m_stake, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_sum->setText(QString::number(StakeEntrySum(text.toStdString())));
    });
    m_stake->setText(Q(StakeNumbersText(stake.Numbers.Used())));
    m_sum->setText(QString::number(StakeEntrySum(m_stake->text().toStdString())));

    m_draws = new QSpinBox(this);
    m_draws->setObjectName(QStringLiteral("edDrawsCount"));
    m_draws->setRange(1, 65535);
    m_draws->setValue(1);
    m_draws->setToolTip(
        Tr("Количество тиражей, на которые нужно сделать ставку (начиная с указанного)"));

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(StakeDialogCommentMax);
    m_comment->setText(Q(stake.Comment));

    auto* form = new QFormLayout;
    form->addRow(Tr("Номер тиража:"), m_draw);
    form->addRow(Tr("Ставка:"), m_stake);
    form->addRow(Tr("Сумма:"), m_sum);
    form->addRow(Tr("Кол-во тиражей:"), m_draws);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* commentForm = new QFormLayout;
    commentForm->setRowWrapPolicy(QFormLayout::WrapAllRows);
    commentForm->addRow(Tr("Комментарий к ставке:"), m_comment);
    layout->addLayout(commentForm);
    layout->addStretch();
    layout->addWidget(StakeDialogButtons(*this));
    setMinimumWidth(360);
    m_stake->setFocus();
}

int TFormStake::DrawsCount() const {
    return m_draws->value();
}

bool TFormStake::Validate() {
    const auto numbers = ParseStakeEntry(m_stake->text().toStdString());
    if (!numbers) {
        TMessages::ShowError(QString::fromUtf8(InvalidStakeEntryMessage), this);
        m_stake->setFocus();
        return false;
    }
    if (m_comment->text().trimmed().isEmpty()) {
        TMessages::ShowError(QString::fromUtf8(EmptyStakeCommentMessage), this);
        m_comment->setFocus();
        return false;
    }
    m_result.DrawNumber = m_draw->value();
    m_result.Comment = m_comment->text().toStdString();
    m_result.Numbers.Assign(*numbers);
    return true;
}

void TFormStake::accept() {
    if (Validate()) QDialog::accept();
}

}  // namespace mv::gui
