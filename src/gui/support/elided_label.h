#pragma once

#include <QLabel>

namespace mv::gui {

// A one-line text panel (a status bar panel) that shortens a text longer than itself in the
// middle with an ellipsis, so that both the start and the end (a file name, a percentage)
// stay readable; the whole text shows as its tool tip. Its size never follows its text: a
// long text can neither widen the window nor push the neighbouring panels away. text() is
// always the whole text.
class TElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as painted now.
    QString ShownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect() const;
};

}  // namespace mv::gui
