#include "gui/support/wait_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "gui/support/support_window.h"

namespace mv::gui {
namespace {

constexpr int LabelWidth = 346;
constexpr int MaxLines = 3;
constexpr int Margin = 16;

class TWaitWindow : public QFrame {
public:
    TWaitWindow() {
        setObjectName(QStringLiteral("WaitWindow"));
        PrepareBorderlessWindow(this);
        setFont(QApplication::font("QMenu"));
        m_label = new QLabel(this);
        m_label->setObjectName(QStringLiteral("WaitLabel"));
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setWordWrap(true);
        m_label->setFixedWidth(LabelWidth);
        const int lineHeight = m_label->fontMetrics().lineSpacing();
        m_label->setMaximumHeight(lineHeight * MaxLines);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(Margin, Margin, Margin, Margin);
        // The label sits in the vertical middle whether it holds one line or three.
        layout->addWidget(m_label, 0, Qt::AlignCenter);
        setFixedSize(LabelWidth + 2 * Margin, lineHeight * MaxLines + 2 * Margin);
    }

    void SetText(const QString& text) { m_label->setText(text); }
    QString Text() const { return m_label->text(); }

private:
    QLabel* m_label = nullptr;
};

QPointer<TWaitWindow>& Window() {
    static QPointer<TWaitWindow> window;
    return window;
}

}  // namespace

void ShowWait(const QString& text) {
    auto& window = Window();
    const bool created = window.isNull();
    if (created) window = new TWaitWindow;
    window->SetText(text);
    if (created || !window->isVisible()) CentreOnScreen(window);
    RefreshWindow(window);
}

void HideWait() {
    delete Window().data();
}

QWidget* WaitWindow() {
    return Window().data();
}

QString WaitText() {
    return Window() ? Window()->Text() : QString();
}

}  // namespace mv::gui
