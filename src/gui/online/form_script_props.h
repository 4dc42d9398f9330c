#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "engine/online/script_catalog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mv::gui {

// "Свойства сценария": the properties of a catalog entry as published (title, author,
// language, where it may be used, who may see it, description). Editable when publishing or
// replacing, read-only when viewing.
class TFormScriptProps : public QDialog {
    Q_OBJECT
public:
    // Asks the service whether a title is free for the entry (its id, the trimmed title); a
    // failure it reports itself and answers false.
    using TTitleCheck = std::function<bool(std::int32_t id, const std::string& title)>;

    // `fallbackLanguage` is selected when the entry's language is not offered; `titleFree` is
    // asked on confirmation (unused when read-only).
    TFormScriptProps(const TScriptData& entry, bool readOnly, std::int32_t fallbackLanguage,
                     TTitleCheck titleFree, QWidget* parent = nullptr);

    // The properties as edited: author and title trimmed, the selected language (the fallback
    // one when none is selected).
    TScriptData Data() const;

    // Confirming checks, in order, that the title is given, that it is free and that the
    // author is given; the first failure is shown, its field gets the focus and the dialog
    // stays open.
    void accept() override;

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* AuthorEdit() const { return m_author; }
    QComboBox* LanguageBox() const { return m_language; }
    QRadioButton* OnlyHereButton() const { return m_onlyHere; }
    QRadioButton* AnyAppButton() const { return m_anyApp; }
    QRadioButton* EveryoneButton() const { return m_everyone; }
    QRadioButton* OnlyMeButton() const { return m_onlyMe; }
    QPlainTextEdit* DescriptionEdit() const { return m_description; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    void Refuse(const QString& message, QWidget* field);

    TScriptData m_data;
    std::int32_t m_fallbackLanguage;
    TTitleCheck m_titleFree;
    QLineEdit* m_title;
    QLineEdit* m_author;
    QComboBox* m_language;
    QRadioButton* m_onlyHere;
    QRadioButton* m_anyApp;
    QRadioButton* m_everyone;
    QRadioButton* m_onlyMe;
    QPlainTextEdit* m_description;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace mv::gui
