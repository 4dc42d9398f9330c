#include "gui/support/message_viewer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include "engine/support/busy.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

QPointer<TMessageViewer>& Viewer() {
    static QPointer<TMessageViewer> viewer;
    return viewer;
}

std::function<bool()>& IdleCheck() {
    static std::function<bool()> check;
    return check;
}

bool ProgramIdle() {
    return IdleCheck() ? IdleCheck()() : IsIdle();
}

QTextCharFormat FormatOf(const QColor& color, const TMessageStyle& style) {
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontWeight(style.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.Italic);
    format.setFontUnderline(style.Underline);
    format.setFontStrikeOut(style.StrikeOut);
    return format;
}

}  // namespace

TMessageViewer* TMessageViewer::Instance() {
    return Viewer().data();
}

void TMessageViewer::SetIdleCheck(std::function<bool()> isIdle) {
    IdleCheck() = std::move(isIdle);
    if (Viewer()) Viewer()->UpdateActions();
}

TMessageViewer::TMessageViewer() {
    setObjectName(QStringLiteral("MessageViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowTitle(Tr("Сообщения"));
    setFont(QApplication::font("QMenu"));
    m_list = new QTextEdit(this);
    m_list->setObjectName(QStringLiteral("MessageList"));
    m_list->setReadOnly(true);
    m_list->setAcceptRichText(true);
    m_list->setLineWrapMode(QTextEdit::NoWrap);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setCentralWidget(m_list);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("MessageCount"));
    statusBar()->addWidget(m_status, 1);
    CreateActions();
    resize(560, 360);
    // Commands follow the busy state of the program, like the main window's commands.
    m_updateTimer = new QTimer(this);
    connect(m_updateTimer, &QTimer::timeout, this, &TMessageViewer::UpdateActions);
    m_updateTimer->start(250);
    ShowCount();
}

void TMessageViewer::CreateActions() {
    m_close = new QAction(Tr("Закрыть"), this);
    m_close->setObjectName(QStringLiteral("ViewerClose"));
    m_close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    m_close->setStatusTip(Tr("Закрыть окно"));
    m_close->setToolTip(Tr("Закрыть окно"));
    connect(m_close, &QAction::triggered, this, [this] {
        if (ProgramIdle()) close();
    });
    m_copy = new QAction(Tr("Копировать"), this);
    m_copy->setObjectName(QStringLiteral("ViewerCopy"));
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    connect(m_copy, &QAction::triggered, m_list, &QTextEdit::copy);
    m_selectAll = new QAction(Tr("Выделить все"), this);
    m_selectAll->setObjectName(QStringLiteral("ViewerSelectAll"));
    m_selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(m_selectAll, &QAction::triggered, m_list, &QTextEdit::selectAll);
    for (QAction* action : {m_close, m_copy, m_selectAll}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    auto* toolBar = addToolBar(Tr("Сообщения"));
    toolBar->setObjectName(QStringLiteral("ViewerToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({m_copy, m_selectAll});
    toolBar->addSeparator();
    toolBar->addAction(m_close);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        UpdateActions();
        QMenu menu(this);
        menu.addActions({m_copy, m_selectAll});
        menu.addSeparator();
        menu.addAction(m_close);
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });
    UpdateActions();
}

void TMessageViewer::UpdateActions() {
    m_close->setEnabled(ProgramIdle());
}

void TMessageViewer::AddMessage(const QString& text, const QColor& color,
                                const TMessageStyle& style) {
    const QString shown = DisplayText(text);
    if (!shown.trimmed().isEmpty()) {
        QTextCursor cursor(m_list->document());
        cursor.movePosition(QTextCursor::End);
        if (!m_list->document()->isEmpty()) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        }
        cursor.insertText(shown, FormatOf(color, style));
        ++m_count;
        m_list->verticalScrollBar()->setValue(m_list->verticalScrollBar()->maximum());
    }
    ShowCount();
}

void TMessageViewer::ShowCount() {
    m_status->setText(Tr("Всего сообщений: %1").arg(m_count));
}

QString TMessageViewer::PlainText() const {
    return m_list->toPlainText();
}
QString TMessageViewer::StatusText() const {
    return m_status->text();
}

void ShowMessage(const QString& caption, const QString& text, const QColor& color,
                 const TMessageStyle& style) {
    if (!Viewer()) Viewer() = new TMessageViewer;
    TMessageViewer* viewer = Viewer();
    if (!caption.isEmpty()) viewer->setWindowTitle(caption);
    viewer->AddMessage(text, color, style);
    viewer->UpdateActions();
    viewer->show();
    viewer->raise();
}

}  // namespace mv::gui
