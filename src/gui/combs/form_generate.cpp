#include "gui/combs/form_generate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

QStringList TFormGenerate::ModeTexts() {
    return {Tr("Полный список (все возможные для данного лото варианты)"),
            Tr("Мои числа - должно присутствовать любое из указанных"),
            Tr("Мои числа - комбинации только из списка указанных"),
            Tr("Мои числа - исключить комбинации с любым из указанных"),
            Tr("Загрузить список из заранее подготовленного CSV-файла")};
}

TFormGenerate::TFormGenerate(const TGenerateSettings& defaults, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormGenerate"));
    setWindowTitle(Tr("Создание нового списка комбинаций"));

    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cbMode"));
    m_mode->addItems(ModeTexts());
    const int mode = defaults.CombsGenerateMode;
    m_mode->setCurrentIndex(mode >= 0 && mode <= 4 ? mode : 0);

    m_parameters = new QLineEdit(Q(defaults.CombsGenerateParameters), this);
    m_parameters->setObjectName(QStringLiteral("edParameters"));
    m_parameters->setMaxLength(255);
    m_browse = new QToolButton(this);
    m_browse->setObjectName(QStringLiteral("btBrowse"));
    m_browse->setText(QStringLiteral("..."));
    m_default = new QCheckBox(
        Tr("Сохранить эти параметры для генерации комбинаций \"по умолчанию\""), this);
    m_default->setObjectName(QStringLiteral("chDefault"));
    m_default->setChecked(false);

    auto* parametersRow = new QHBoxLayout;
    parametersRow->addWidget(m_parameters, 1);
    parametersRow->addWidget(m_browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr("Режим генерации списка комбинаций:"), this));
    layout->addWidget(m_mode);
    layout->addWidget(new QLabel(Tr("Мои числа или имя файла для загрузки:"), this));
    layout->addLayout(parametersRow);
    layout->addWidget(m_default);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(460);

    connect(m_mode, &QComboBox::currentIndexChanged, this, &TFormGenerate::UpdateEnabled);
    connect(m_browse, &QToolButton::clicked, this, &TFormGenerate::Browse);
    UpdateEnabled();
}

void TFormGenerate::UpdateEnabled() {
    m_parameters->setEnabled(m_mode->currentIndex() != 0);
    m_browse->setEnabled(m_mode->currentIndex() == 4);
}

void TFormGenerate::Browse() {
    const QString file = QFileDialog::getOpenFileName(this, Tr("Открыть"), QString(),
                                                      Tr("Файлы комбинаций (*.lcv)"));
    if (!file.isEmpty()) m_parameters->setText(file);
}

TGenerateSettings TFormGenerate::Result() const {
    TGenerateSettings result;
    result.CombsGenerateMode = m_mode->currentIndex();
    result.CombsGenerateParameters = m_parameters->text().toStdString();
    return result;
}

bool TFormGenerate::SaveAsDefault() const {
    return m_default->isChecked();
}

}  // namespace mv::gui
