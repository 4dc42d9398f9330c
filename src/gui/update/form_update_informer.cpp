#include "gui/update/form_update_informer.h"
#include "gui/support/tr.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace mv::gui {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TfrmUpdateInformer::TfrmUpdateInformer(const TUpdateOffer& offer, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmUpdateInformer"));
    setWindowTitle(QString::fromUtf8(UpdateOfferCaption));
    auto* layout = new QVBoxLayout(this);

    const auto field = [&](const QString& caption, const std::string& value, const char* name) {
        layout->addWidget(new QLabel(caption, this));
        auto* edit = new QLineEdit(Q(value), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(true);
        layout->addWidget(edit);
        return edit;
    };
    m_current = field(Tr("Текущая версия программы:"), offer.RunningVersion, "edCurrentVersion");
    m_new = field(Tr("Новая версия программы:"), offer.Version, "edNewVersion");

    layout->addWidget(new QLabel(Tr("Описание версии:"), this));
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("mmDescription"));
    m_description->setReadOnly(true);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList lines;
    for (const auto& line : offer.Description) lines << Q(line);
    m_description->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(m_description, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_install = buttons->addButton(Tr("Установить"), QDialogButtonBox::AcceptRole);
    m_install->setObjectName(QStringLiteral("btnInstall"));
    m_install->setToolTip(Tr("Установить это обновление"));
    m_install->setDefault(true);
    m_cancel = buttons->addButton(Tr("Отмена"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_cancel->setToolTip(Tr("Отказаться от обновления"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_install->setFocus();
    resize(440, 360);
}

}  // namespace mv::gui
