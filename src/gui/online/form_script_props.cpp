#include "gui/online/form_script_props.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/core/data_paths.h"
#include "gui/online/script_languages.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr int kTextLimit = 64;

// A group of two choices; the first is checked unless `second`.
QGroupBox* ChoiceGroup(const QString& caption, const QString& hint, QRadioButton* first,
                       QRadioButton* second, bool secondChecked, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setToolTip(hint);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    (secondChecked ? second : first)->setChecked(true);
    return group;
}

}  // namespace

TFormScriptProps::TFormScriptProps(const TScriptData& entry, bool readOnly,
                                   std::int32_t fallbackLanguage, TTitleCheck titleFree,
                                   QWidget* parent)
    : QDialog(parent),
      m_data(entry),
      m_fallbackLanguage(fallbackLanguage),
      m_titleFree(std::move(titleFree)) {
    setObjectName(QStringLiteral("TFormScriptProps"));
    setWindowTitle(Tr("Свойства сценария"));

    m_title = new QLineEdit(Q(entry.Title), this);
    m_title->setObjectName(QStringLiteral("edTitle"));
    m_title->setMaxLength(kTextLimit);
    m_title->setToolTip(Tr("Название сценария"));
    m_author = new QLineEdit(Q(entry.AuthorName), this);
    m_author->setObjectName(QStringLiteral("edAuthor"));
    m_author->setMaxLength(kTextLimit);
    m_author->setToolTip(Tr("Автор сценария"));

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("cbLanguage"));
    m_language->setToolTip(Tr("Язык сценария"));
    for (const TScriptLanguage& language : ScriptLanguages()) {
        m_language->addItem(language.Name, language.Lcid);
    }
    int selected = m_language->findData(entry.Language);
    if (selected < 0) selected = m_language->findData(fallbackLanguage);
    m_language->setCurrentIndex(selected);

    m_onlyHere = new QRadioButton(Tr("Только в \"%1\"").arg(QString::fromLatin1(ProgramName)));
    m_anyApp = new QRadioButton(Tr("В любом приложении Quelmo"));
    auto* usage = ChoiceGroup(Tr(" Применяемость "),
                              Tr("В каком приложении можно использовать данный сценарий"),
                              m_onlyHere, m_anyApp, entry.Universal, this);
    m_everyone = new QRadioButton(Tr("Сценарий виден всем пользователям"));
    m_onlyMe = new QRadioButton(Tr("Сценарий виден только мне"));
    auto* access =
        ChoiceGroup(Tr(" Доступность "),
                    Tr("Разрешаете ли Вы использовать данный сценарий другим членам сообщества"),
                    m_everyone, m_onlyMe, !entry.Public, this);

    m_description = new QPlainTextEdit(DisplayText(entry.Description), this);
    m_description->setObjectName(QStringLiteral("edDescription"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(Tr("OK"));
    m_ok->setToolTip(Tr("Отправить сценарий на сервер"));
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setText(Tr("Отмена"));
    m_cancel->setToolTip(Tr("Закрыть окно"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(Tr("Название:"), m_title);
    fields->addRow(Tr("Автор:"), m_author);
    fields->addRow(Tr("Язык:"), m_language);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(usage);
    layout->addWidget(access);
    layout->addWidget(new QLabel(Tr("Описание:"), this));
    layout->addWidget(m_description, 1);
    layout->addWidget(buttons);
    resize(460, 440);

    if (readOnly) {
        // What cannot be changed looks like the dialog, not like a field to type in.
        for (QWidget* edit : {static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_author),
                              static_cast<QWidget*>(m_description)}) {
            QPalette colours = edit->palette();
            colours.setColor(QPalette::Base, palette().color(QPalette::Window));
            edit->setPalette(colours);
        }
        m_title->setReadOnly(true);
        m_author->setReadOnly(true);
        m_description->setReadOnly(true);
        m_language->setEnabled(false);
        usage->setEnabled(false);
        access->setEnabled(false);
        m_ok->hide();
        m_cancel->setDefault(true);
        m_cancel->setFocus();
    }
}

TScriptData TFormScriptProps::Data() const {
    TScriptData edited = m_data;
    edited.Title = m_title->text().trimmed().toStdString();
    edited.AuthorName = m_author->text().trimmed().toStdString();
    const QVariant language = m_language->currentData();
    edited.Language = language.isValid() ? language.toInt() : m_fallbackLanguage;
    edited.Universal = m_anyApp->isChecked();
    edited.Public = m_everyone->isChecked();
    edited.Description = m_description->toPlainText().toStdString();
    return edited;
}

void TFormScriptProps::Refuse(const QString& message, QWidget* field) {
    TMessages::ShowError(message, this);
    field->setFocus();
}

void TFormScriptProps::accept() {
    if (m_ok->isHidden()) return;
    const TScriptData edited = Data();
    if (edited.Title.empty()) {
        Refuse(Tr("Название сценария должно быть указано обязательно!"), m_title);
        return;
    }
    if (!m_titleFree || !m_titleFree(edited.Id, edited.Title)) {
        Refuse(Tr("Сценарий с таким названием уже существует!\nВыберите другое название."),
               m_title);
        return;
    }
    if (edited.AuthorName.empty()) {
        Refuse(Tr("Имя автора должно быть указано обязательно!"), m_author);
        return;
    }
    QDialog::accept();
}

}  // namespace mv::gui
