#include "gui/support/elided_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace mv::gui {
namespace {

// The space a framed QLabel keeps between its frame and its text.
int TextIndent(const QLabel& label) {
    if (label.indent() >= 0) return label.indent();
    return label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
}

}  // namespace

QSize TElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

QSize TElidedLabel::minimumSizeHint() const {
    const QMargins frame = contentsMargins();
    return {frame.left() + frame.right() + fontMetrics().horizontalAdvance(QStringLiteral("...")),
            frame.top() + frame.bottom() + fontMetrics().height()};
}

QString TElidedLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, TextRect().width());
}

QRect TElidedLabel::TextRect() const {
    const int indent = TextIndent(*this);
    return contentsRect().adjusted(margin() + indent, margin(), -margin() - indent, -margin());
}

bool TElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QString shown = ShownText();
        if (shown != text()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

void TElidedLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(TextRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, ShownText());
}

}  // namespace mv::gui
