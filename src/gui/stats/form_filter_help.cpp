#include "gui/stats/form_filter_help.h"
#include "gui/support/tr.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mv::gui {

TFormFilterHelp::TFormFilterHelp(const QString& page, const QString& methodName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFormFilterHelp"));
    setWindowTitle(Tr("Описание методики расчета"));
    setSizeGripEnabled(true);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("wbHelp"));
    // Addresses outside the help pages open in the default browser.
    m_browser->setOpenExternalLinks(true);
    if (page.isEmpty()) {
        m_browser->setPlainText(Tr("Описание метода расчета «%1» отсутствует.").arg(methodName));
    } else {
        m_browser->setSource(QUrl::fromLocalFile(page));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(720, 520);
}

}  // namespace mv::gui
