#pragma once

#include <QObject>
#include <optional>

class QSplitter;

namespace mv::gui {

// The stored size of one pane of a two-pane splitter. Sizes given to a splitter before it is
// laid out on screen do not survive its first resize, and a splitter on a tab that has not
// been shown has no real size at all; so the stored size is applied when the splitter first
// shows with its real size, and until then Size() is the stored value, which the settings
// then write back as they were read.
class TSplitterPane : public QObject {
public:
    // `pane` is 0 or 1; the other pane keeps at least `otherMinimum` pixels.
    TSplitterPane(QSplitter* splitter, int pane, int otherMinimum);

    // Applies the stored size now when the splitter is on screen, else when it first is.
    void Restore(int size);
    // The pane's size on screen, or the stored size while it waits to be applied.
    int Size() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();

    QSplitter* m_splitter;
    int m_pane;
    int m_otherMinimum;
    std::optional<int> m_pending;
};

}  // namespace mv::gui
