#include "gui/support/splitter_pane.h"

#include <QEvent>
#include <QList>
#include <QSplitter>
#include <algorithm>

namespace mv::gui {

TSplitterPane::TSplitterPane(QSplitter* splitter, int pane, int otherMinimum)
    : QObject(splitter), m_splitter(splitter), m_pane(pane), m_otherMinimum(otherMinimum) {
    splitter->installEventFilter(this);
}

void TSplitterPane::Restore(int size) {
    m_pending = size;
    if (m_splitter->isVisible()) Apply();
}

int TSplitterPane::Size() const {
    return m_pending ? *m_pending : m_splitter->sizes().value(m_pane);
}

bool TSplitterPane::eventFilter(QObject* watched, QEvent* event) {
    // The geometry is already set when Show and Resize arrive.
    if (m_pending && watched == m_splitter &&
        (event->type() == QEvent::Show || event->type() == QEvent::Resize) &&
        m_splitter->isVisible()) {
        Apply();
    }
    return QObject::eventFilter(watched, event);
}

void TSplitterPane::Apply() {
    const int length =
        m_splitter->orientation() == Qt::Horizontal ? m_splitter->width() : m_splitter->height();
    const int size = *m_pending;
    const int other = std::max(m_otherMinimum, length - m_splitter->handleWidth() - size);
    m_pending.reset();
    m_splitter->setSizes(m_pane == 0 ? QList<int>{size, other} : QList<int>{other, size});
}

}  // namespace mv::gui
