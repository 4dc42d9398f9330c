#include "gui/support/progress_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "engine/core/errors.h"
#include "gui/support/support_window.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr int WindowWidth = 378;

class TProgressWindow : public QFrame {
public:
    TProgressWindow() {
        setObjectName(QStringLiteral("ProgressWindow"));
        PrepareBorderlessWindow(this);
        // The icon-title font is the closest the toolkit has to the system's icon font.
        setFont(QApplication::font("QAbstractItemView"));
        m_label = new QLabel(Tr("Подождите пожалуйста..."), this);
        m_label->setObjectName(QStringLiteral("ProgressLabel"));
        m_bar = new QProgressBar(this);
        m_bar->setObjectName(QStringLiteral("ProgressBar"));
        m_bar->setTextVisible(false);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(12, 12, 12, 12);
        layout->setSpacing(8);
        layout->addWidget(m_label);
        layout->addWidget(m_bar);
        setFixedWidth(WindowWidth);
        adjustSize();
    }

    void SetText(const QString& text) { m_label->setText(text); }
    void SetMaximum(int maximum) {
        m_bar->setRange(0, std::max(maximum, 0));
        m_bar->setValue(0);
    }
    // QProgressBar ignores values outside its range, so the step is clamped here.
    void Step(int n) {
        const long long next = static_cast<long long>(m_bar->value()) + n;
        m_bar->setValue(static_cast<int>(std::clamp<long long>(next, 0, m_bar->maximum())));
    }
    TProgressState State() const {
        return {true, m_label->text(), m_bar->value(), m_bar->maximum()};
    }

private:
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
};

QPointer<TProgressWindow>& Window() {
    static QPointer<TProgressWindow> window;
    return window;
}

}  // namespace

void ShowProgress(const QString& text, int maximum) {
    if (Window()) throw EError(Tr("Окно индикатора уже создано!").toStdString());
    // A failure half way leaves no half-made window behind.
    auto window = std::make_unique<TProgressWindow>();
    window->SetText(text);
    window->SetMaximum(maximum);
    CentreOnScreen(window.get());
    // Registered before events run, so that a nested call sees this window.
    Window() = window.get();
    RefreshWindow(window.get());
    window.release();
}

void SetProgressText(const QString& text) {
    if (!Window()) return;
    Window()->SetText(text);
    RefreshWindow(Window());
}

void StepProgress(int n) {
    if (!Window()) return;
    Window()->Step(n);
    RefreshWindow(Window());
}

void HideProgress() {
    delete Window().data();
}

TProgressState ProgressState() {
    return Window() ? Window()->State() : TProgressState{};
}

QWidget* ProgressWindow() {
    return Window().data();
}

}  // namespace mv::gui
