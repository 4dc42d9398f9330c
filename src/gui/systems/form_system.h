#pragma once

#include <QDialog>
#include <QString>

#include "engine/online/system_catalog.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace mv::gui {

// "Система": one system of the catalog with its combinations. Editable for the user's own
// systems (and new ones), read-only otherwise: then only "Отмена" is offered. Leaving the
// combination list tidies it (every line of five numbers rewritten as two-digit numbers, any
// other line dropped) and counts its lines and numbers; OK checks the fields in order and keeps
// the dialog open on the first that is not filled in properly.
class TFormSystem : public QDialog {
    Q_OBJECT
public:
    TFormSystem(const TSystemData& system, bool editable, QWidget* parent = nullptr);

    // The data as read back from the fields (id and author e-mail as given).
    TSystemData Result() const;
    bool Editable() const { return m_editable; }

    // The tidying of the combination list; false when a word of a five-word line is not a whole
    // number (the error box was shown and the lines after it are already rewritten).
    bool CheckCombinations();
    // The checks of OK: true when every field is filled in properly; otherwise the error box
    // is shown and the field has the focus.
    bool Validate();

    QLineEdit* TitleEdit() const { return m_title; }
    QPlainTextEdit* DescriptionEdit() const { return m_description; }
    QLineEdit* AuthorEdit() const { return m_author; }
    QLineEdit* LinkEdit() const { return m_link; }
    QPushButton* LinkButton() const { return m_linkButton; }
    QPlainTextEdit* CombinationsEdit() const { return m_combs; }
    QLineEdit* NumbersEdit() const { return m_numbers; }
    QLineEdit* LengthEdit() const { return m_length; }
    QLineEdit* BlockEdit() const { return m_block; }
    QLabel* CreatedLabel() const { return m_created; }
    QLabel* CombinationsLabel() const { return m_count; }
    QLabel* DownloadsLabel() const { return m_downloads; }
    QLabel* LastDownloadLabel() const { return m_lastDownload; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    // The combination list's context menu as it would open now.
    QMenu* CombinationsMenu();

    // The address the link button opens: the link itself when it names its scheme, with
    // "http://" in front otherwise.
    static QString BrowserAddress(const QString& link);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFields();
    void Fill(const TSystemData& system);
    void MakeReadOnly();
    void CheckButtons();
    void BuildCombinationsMenu();
    void LoadCombinationsFile();
    void SaveCombinationsFile();
    bool Fail(QWidget* field, const QString& message);

    TSystemData m_data;
    bool m_editable;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QLineEdit* m_author = nullptr;
    QLineEdit* m_link = nullptr;
    QPushButton* m_linkButton = nullptr;
    QPlainTextEdit* m_combs = nullptr;
    QLabel* m_created = nullptr;
    QLabel* m_count = nullptr;
    QLineEdit* m_numbers = nullptr;
    QLineEdit* m_length = nullptr;
    QLineEdit* m_block = nullptr;
    QLabel* m_downloads = nullptr;
    QLabel* m_lastDownload = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QMenu* m_combsMenu = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_selectAll = nullptr;
    QAction* m_load = nullptr;
    QAction* m_save = nullptr;
};

}  // namespace mv::gui
