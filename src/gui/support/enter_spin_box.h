#pragma once

#include <QKeyEvent>
#include <QSpinBox>
#include <functional>

namespace mv::gui {

// A spin box that runs OnEnter when Enter is pressed on a value inside its range.
class TEnterSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QSpinBox::keyPressEvent(event);
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OnEnter &&
            hasAcceptableInput()) {
            OnEnter();
        }
    }
};

}  // namespace mv::gui
