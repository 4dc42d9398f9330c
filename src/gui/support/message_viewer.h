#pragma once

#include <QColor>
#include <QMainWindow>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QTextEdit;
class QTimer;

namespace mv::gui {

// Font style of one message: any mix of the four.
struct TMessageStyle {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// Colour of warning and error steps of a file operation.
inline QColor MessageAlertColor() {
    return QColor(128, 0, 0);
}

// The message viewer "Сообщения": a window on top of the others collecting messages of long
// operations in a read-only rich-text list. One exists at a time; closing it destroys it.
// User-interface thread only.
class TMessageViewer : public QMainWindow {
    Q_OBJECT

public:
    // The viewer while it exists, else nullptr.
    static TMessageViewer* Instance();
    // Decides whether "Закрыть" is enabled; by default the program's busy state does.
    static void SetIdleCheck(std::function<bool()> isIdle);

    // Appends the text after an empty separating line; a blank text is not appended and not
    // counted. The count is shown in any case.
    void AddMessage(const QString& text, const QColor& color, const TMessageStyle& style);

    int Count() const { return m_count; }
    QString PlainText() const;
    QString StatusText() const;
    QTextEdit* List() const { return m_list; }
    QAction* CloseAction() const { return m_close; }
    QAction* CopyAction() const { return m_copy; }
    QAction* SelectAllAction() const { return m_selectAll; }

private:
    TMessageViewer();
    void CreateActions();
    void UpdateActions();
    void ShowCount();

    QTextEdit* m_list = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_close = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_selectAll = nullptr;
    QTimer* m_updateTimer = nullptr;
    int m_count = 0;

    friend void ShowMessage(const QString&, const QString&, const QColor&, const TMessageStyle&);
};

// Creates the viewer on first use or shows the existing one, sets its caption when one is
// given, appends the text and brings the window to the front. "\r" line breaks are shown as
// line breaks.
void ShowMessage(const QString& caption, const QString& text, const QColor& color = Qt::black,
                 const TMessageStyle& style = {});

}  // namespace mv::gui
