#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

namespace mv::gui {

// The OK and "Отмена" buttons of the stake dialogs, wired to accept and reject.
QDialogButtonBox* StakeDialogButtons(QDialog& dialog);

// "Добавление мультиставки": the draw, the number of draws and the comment that a set of new
// stakes shares. OK refuses an empty comment and keeps the dialog open.
class TFormMulti : public QDialog {
    Q_OBJECT
public:
    TFormMulti(std::int32_t draw, int draws, const QString& comment, QWidget* parent = nullptr);

    std::int32_t Draw() const;
    int DrawsCount() const;
    QString Comment() const;
    // "Необходимо ввести комментарий!" with the focus on the comment when it is empty.
    bool Validate();

    QSpinBox* DrawBox() const { return m_draw; }
    QSpinBox* DrawsBox() const { return m_draws; }
    QLineEdit* CommentEdit() const { return m_comment; }

public slots:
    void accept() override;

private:
    QSpinBox* m_draw;
    QSpinBox* m_draws;
    QLineEdit* m_comment;
};

}  // namespace mv::gui
