#include "gui/support/messages.h"
#include "gui/support/tr.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <deque>

namespace mv::gui {
namespace {

struct TTestState {
    bool On = false;
    std::vector<TShownMessage> Recorded;
    std::deque<bool> Answers;
    bool Console = false;
    int ExitStatus = 0;
};

TTestState& State() {
    static TTestState state;
    return state;
}

QWidget* ParentOr(QWidget* parent) {
    return parent ? parent : QApplication::activeWindow();
}

QMessageBox::Icon IconOf(TMessageKind kind) {
    switch (kind) {
        case TMessageKind::Error:
            return QMessageBox::Critical;
        case TMessageKind::Info:
            return QMessageBox::Information;
        case TMessageKind::Warning:
        case TMessageKind::Caution:
            return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

void WriteToStandardError(const QString& caption, const QString& text) {
    const QByteArray line = (caption + QStringLiteral(": ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

}  // namespace

QString DisplayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString DisplayText(const std::string& engineText) {
    return DisplayText(Q(engineText));
}

void TMessages::ShowMessage(TMessageKind kind, const QString& text, QWidget* parent) {
    const QString caption = QString::fromUtf8(MessageCaption(kind));
    if (State().On) {
        State().Recorded.push_back({caption, DisplayText(text), false, false});
        return;
    }
    if (State().Console) {
        WriteToStandardError(caption, DisplayText(text));
        if (kind == TMessageKind::Error) NoteFailure(1);
        return;
    }
    QMessageBox box(IconOf(kind), caption, DisplayText(text), QMessageBox::Ok, ParentOr(parent));
    box.exec();
}

bool TMessages::Ask(TAskKind kind, const QString& caption, const QString& question,
                    QWidget* parent) {
    const bool defaultNo = kind == TAskKind::YesNoDefaultNo || kind == TAskKind::ConfirmDefaultNo ||
                           kind == TAskKind::ConfirmDelete;
    const QString shownCaption = Q(AskCaption(kind, caption.toStdString()));
    if (State().On) {
        State().Recorded.push_back({shownCaption, DisplayText(question), true, defaultNo});
        if (State().Answers.empty()) return true;
        const bool answer = State().Answers.front();
        State().Answers.pop_front();
        return answer;
    }
    if (State().Console) {
        const QString answer = defaultNo ? Tr("Нет") : Tr("Да");
        WriteToStandardError(shownCaption, DisplayText(question) + QLatin1Char(' ') + answer);
        return !defaultNo;
    }
    QMessageBox box(QMessageBox::Question, shownCaption, DisplayText(question),
                    QMessageBox::Yes | QMessageBox::No, ParentOr(parent));
    box.button(QMessageBox::Yes)->setText(Tr("Да"));
    box.button(QMessageBox::No)->setText(Tr("Нет"));
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool TMessages::ConfirmDelete(int count, QWidget* parent) {
    return Ask(TAskKind::ConfirmDelete, QString(), Q(ConfirmDeleteText(count)), parent);
}

void TMessages::SetConsoleMode(bool on) {
    State().Console = on;
    State().ExitStatus = 0;
}

bool TMessages::ConsoleMode() {
    return State().Console;
}

void TMessages::NoteFailure(int exitStatus) {
    if (State().Console && State().ExitStatus == 0) State().ExitStatus = exitStatus;
}

int TMessages::ExitStatus() {
    return State().ExitStatus;
}

void TMessages::SetTestMode(bool on) {
    State().On = on;
    State().Recorded.clear();
    State().Answers.clear();
}

bool TMessages::TestMode() {
    return State().On;
}
std::vector<TShownMessage>& TMessages::Recorded() {
    return State().Recorded;
}
void TMessages::QueueAnswer(bool yes) {
    State().Answers.push_back(yes);
}

}  // namespace mv::gui
