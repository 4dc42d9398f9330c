#include "gui/core/form_first_run.h"
#include "gui/support/tr.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mv::gui {

TFormFirstRun::TFormFirstRun(const std::vector<TButton>& buttons, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormFirstRun"));
    setWindowTitle(Tr("Справочная информация"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(Tr("С чего начать: справка по программе и материалы проекта."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    for (const TButton& button : buttons) {
        auto* push = new QPushButton(button.Caption, this);
        push->setEnabled(button.Enabled);
        push->setMinimumHeight(30);
        connect(push, &QPushButton::clicked, this, [open = button.Open] {
            if (open) open();
        });
        layout->addWidget(push);
    }
    m_dontShow = new QCheckBox(Tr("Больше не показывать данный диалог"), this);
    m_dontShow->setObjectName(QStringLiteral("cbDontShow"));
    layout->addWidget(m_dontShow);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Close, this);
    box->button(QDialogButtonBox::Close)->setText(Tr("Закрыть"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    setMinimumWidth(360);
}

}  // namespace mv::gui
