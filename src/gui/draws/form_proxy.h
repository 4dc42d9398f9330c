#pragma once

#include <QDialog>

#include "engine/support/config_file.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace mv::gui {

// The dialog "Параметры proxy-сервера": how the program's requests reach the network.
class TFormProxy : public QDialog {
    Q_OBJECT

public:
    TFormProxy(const TProxy& current, QWidget* parent = nullptr);

    // The record as OK makes it from the controls: marked unwritten; automatic search keeps no
    // server, credentials or port; "no proxy" keeps the values typed in.
    TProxy Result() const;

    // Enables the four fields exactly when the manual proxy is chosen.
    void CheckButtons();

    QRadioButton* NoProxyButton() const { return m_none; }
    QRadioButton* AutoButton() const { return m_auto; }
    QRadioButton* ManualButton() const { return m_manual; }
    QLineEdit* ServerEdit() const { return m_server; }
    QSpinBox* PortEdit() const { return m_port; }
    QLineEdit* UserEdit() const { return m_user; }
    QLineEdit* PasswordEdit() const { return m_password; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TProxy m_source;
    QRadioButton* m_none = nullptr;
    QRadioButton* m_auto = nullptr;
    QRadioButton* m_manual = nullptr;
    QLineEdit* m_server = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
};

}  // namespace mv::gui
