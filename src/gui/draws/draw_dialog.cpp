#include "gui/draws/draw_dialog.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "engine/core/constants.h"
#include "engine/core/game.h"
#include "engine/draws/draw_entry.h"
#include "gui/support/languages.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TDrawDialog::TDrawDialog(const TDrawRec& draw, QWidget* parent) : QDialog(parent), m_result(draw) {
    setObjectName(QStringLiteral("TFormDraw"));
    setWindowTitle(Tr("Данные тиража"));
    const TDateTime stored = ParseDrawDate(draw.Date());  // may throw: the caller shows it

    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("seNumber"));
    m_number->setRange(1, MaxDrawNumber);
    m_number->setValue(std::max(1, draw.Number));

    m_numbers = new QLineEdit(this);
    m_numbers->setObjectName(QStringLiteral("edNumbers"));
    m_numbers->setText(Q(DrawEntryText(draw)));

    const QLocale interface = InterfaceLocale();
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("dtDate"));
    // The picker names days and months in the interface language whatever the user's locale.
    m_date->setLocale(interface);
    m_date->setDisplayFormat(interface.dateFormat(QLocale::LongFormat));
    m_date->setCalendarPopup(true);
    m_date->calendarWidget()->setLocale(interface);
    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("dtTime"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    if (stored > 0) {
        const TDateParts p = DecodeDateTime(stored);
        m_date->setDate(QDate(p.Year, p.Month, p.Day));
        m_time->setTime(QTime(p.Hour, p.Minute, p.Second));
    } else {
        const QDateTime now = QDateTime::currentDateTime();
        m_date->setDate(now.date());
        m_time->setTime(now.time());
    }

    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(Tr("Номер тиража:"), m_number);
    form->addRow(Tr("Выпавшие числа, разделенные точкой с запятой или запятой:"), m_numbers);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date, 1);
    dateRow->addWidget(m_time);
    form->addRow(Tr("Дата и время тиража:"), dateRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TDrawDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDrawDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

bool TDrawDialog::Validate() {
    const auto entry = ParseDrawEntry(m_numbers->text().toStdString());
    if (!entry) {
        TMessages::ShowError(QString::fromUtf8(InvalidDrawEntryMessage), this);
        m_numbers->setFocus();
        return false;
    }
    const QDate d = m_date->date();
    const QTime t = m_time->time();
    // Only the date part of the picked date and time is kept in the record.
    const std::string date = DrawDateText(
        EncodeDateTime({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), 0}));
    m_result = MakeDrawRec(m_number->value(), *entry, date);
    return true;
}

void TDrawDialog::accept() {
    if (Validate()) QDialog::accept();
}

}  // namespace mv::gui
