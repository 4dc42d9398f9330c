#pragma once

#include <QDialog>

#include "engine/update/self_update.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mv::gui {

// The dialog "Найдена новая версия программы": the running and the offered version and the
// update's description, with "Установить" (the default button) and "Отмена".
class TfrmUpdateInformer : public QDialog {
    Q_OBJECT

public:
    explicit TfrmUpdateInformer(const TUpdateOffer& offer, QWidget* parent = nullptr);

    QLineEdit* CurrentVersion() const { return m_current; }
    QLineEdit* NewVersion() const { return m_new; }
    QPlainTextEdit* Description() const { return m_description; }
    QPushButton* InstallButton() const { return m_install; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    QLineEdit* m_current = nullptr;
    QLineEdit* m_new = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_install = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace mv::gui
