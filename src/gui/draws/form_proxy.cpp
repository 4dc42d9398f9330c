#include "gui/draws/form_proxy.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormProxy::TFormProxy(const TProxy& current, QWidget* parent)
    : QDialog(parent), m_source(current) {
    setObjectName(QStringLiteral("TFormProxy"));
    setWindowTitle(Tr("Параметры proxy-сервера"));
    m_none = new QRadioButton(Tr("Не использовать proxy-сервер"), this);
    m_none->setObjectName(QStringLiteral("rbNoProxy"));
    m_auto = new QRadioButton(Tr("Автоматический поиск сервера (возможны задержки)"), this);
    m_auto->setObjectName(QStringLiteral("rbAutoProxy"));
    m_manual = new QRadioButton(Tr("Ручной выбор proxy-сервера:"), this);
    m_manual->setObjectName(QStringLiteral("rbManualProxy"));
    // A stored mode the dialog does not know shows as "no proxy".
    (current.Mode == 1 ? m_auto : current.Mode == 2 ? m_manual : m_none)->setChecked(true);

    m_server = new QLineEdit(Q(current.Server), this);
    m_server->setObjectName(QStringLiteral("edServer"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("edPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(std::clamp(current.Port, 1, 65535));
    m_user = new QLineEdit(Q(current.Username), this);
    m_user->setObjectName(QStringLiteral("edUser"));
    m_user->setPlaceholderText(Tr("Имя пользователя (не обязательно)"));
    m_password = new QLineEdit(Q(current.Password), this);
    m_password->setObjectName(QStringLiteral("edPassword"));
    m_password->setPlaceholderText(Tr("Пароль (не обязательно)"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* fields = new QFormLayout;
    fields->setContentsMargins(24, 0, 0, 0);
    fields->addRow(Tr("Имя или адрес сервера:"), m_server);
    fields->addRow(Tr("Порт:"), m_port);
    fields->addRow(Tr("Имя пользователя:"), m_user);
    fields->addRow(Tr("Пароль:"), m_password);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* b : {m_none, m_auto, m_manual})
        connect(b, &QRadioButton::clicked, this, &TFormProxy::CheckButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_none);
    layout->addWidget(m_auto);
    layout->addWidget(m_manual);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CheckButtons();
}

void TFormProxy::showEvent(QShowEvent* event) {
    CheckButtons();
    QDialog::showEvent(event);
}

void TFormProxy::CheckButtons() {
    const bool manual = m_manual->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_server, m_port, m_user, m_password})
        w->setEnabled(manual);
}

TProxy TFormProxy::Result() const {
    TProxy proxy = m_source;
    proxy.Server = m_server->text().toStdString();
    proxy.Port = m_port->value();
    proxy.Username = m_user->text().toStdString();
    proxy.Password = m_password->text().toStdString();
    proxy.Written = false;
    if (m_manual->isChecked()) {
        proxy.Mode = 2;
    } else if (m_none->isChecked()) {
        proxy.Mode = 0;
    } else {
        proxy.Mode = 1;
        proxy.Server.clear();
        proxy.Username.clear();
        proxy.Password.clear();
        proxy.Port = 0;
    }
    return proxy;
}

}  // namespace mv::gui
