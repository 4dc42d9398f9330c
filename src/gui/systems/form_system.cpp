#include "gui/systems/form_system.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <optional>

#include "engine/core/datetime.h"
#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/stakes/systems.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr const char* kTimeFormat = "yyyy-MM-dd HH:mm:ss";
constexpr int kCombLength = 5;

QString TimeText(TDateTime value) {
    return value > 0 ? QString::fromStdString(CatalogTimeText(value)) : QString();
}

// A time as the dialog shows it, read back as local time; nullopt for an empty or unreadable
// text.
std::optional<TDateTime> ParseTimeText(const QString& text) {
    const QDateTime time = QDateTime::fromString(text.trimmed(), QLatin1String(kTimeFormat));
    if (!time.isValid()) return std::nullopt;
    TDateParts parts;
    parts.Year = time.date().year();
    parts.Month = time.date().month();
    parts.Day = time.date().day();
    parts.Hour = time.time().hour();
    parts.Minute = time.time().minute();
    parts.Second = time.time().second();
    try {
        return EncodeDateTime(parts);
    } catch (const EError&) {
        return std::nullopt;
    }
}

// A whole number, or 0 when the text is not one.
int NumberOf(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// The lines of a text: CR, LF or CR LF end a line, and a final line break adds no empty line.
QStringList TextLines(const QString& text) {
    QStringList lines;
    const std::string utf8 = text.toStdString();
    for (std::string_view line : SplitTextLines(utf8)) {
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    return lines;
}

QLabel* Display(QWidget* parent, const QString& name, const QString& hint) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(hint);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(130);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* NumberEdit(QWidget* parent, const QString& name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    edit->setMaximumWidth(60);
    return edit;
}

}  // namespace

TFormSystem::TFormSystem(const TSystemData& system, bool editable, QWidget* parent)
    : QDialog(parent), m_data(system), m_editable(editable) {
    setObjectName(QStringLiteral("TFormSystem"));
    setWindowTitle(Tr("Система"));
    BuildFields();
    BuildCombinationsMenu();
    Fill(system);
    if (!m_editable) MakeReadOnly();
    CheckButtons();
    resize(720, 560);
}

void TFormSystem::BuildFields() {
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("edTitle"));
    m_title->setToolTip(Tr("Название системы"));
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("edDescription"));
    m_description->setToolTip(Tr("Описание системы"));
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_description->setMaximumHeight(90);
    m_author = new QLineEdit(this);
    m_author->setObjectName(QStringLiteral("edAuthor"));
    m_author->setToolTip(Tr("Автор системы"));
    m_link = new QLineEdit(this);
    m_link->setObjectName(QStringLiteral("edLink"));
    m_link->setToolTip(Tr("Ссылка на интернет-ресурс"));
    m_linkButton = new QPushButton(QStringLiteral("..."), this);
    m_linkButton->setObjectName(QStringLiteral("btnLink"));
    m_linkButton->setToolTip(Tr("Открыть ссылку в браузере"));
    connect(m_link, &QLineEdit::textChanged, this, &TFormSystem::CheckButtons);
    connect(m_linkButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl(BrowserAddress(m_link->text()))); });
    m_combs = new QPlainTextEdit(this);
    m_combs->setObjectName(QStringLiteral("edCombs"));
    m_combs->setToolTip(Tr("Список комбинаций системы"));
    m_combs->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_combs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_combs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_combs->setContextMenuPolicy(Qt::CustomContextMenu);
    m_combs->installEventFilter(this);
    connect(m_combs, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { CombinationsMenu()->exec(m_combs->mapToGlobal(at)); });
    m_created = Display(this, QStringLiteral("lbCreated"), Tr("Время создания системы"));
    m_count = Display(this, QStringLiteral("lbCombinations"), Tr("Количество комбинаций в списке"));
    m_numbers = NumberEdit(this, QStringLiteral("edNumbers"), Tr("Количество используемых чисел"));
    m_length = NumberEdit(this, QStringLiteral("edLength"), Tr("Длина одной комбинации"));
    m_length->setReadOnly(true);
    m_block = NumberEdit(this, QStringLiteral("edBlock"), Tr("Длина блока"));
    for (QLineEdit* edit : {m_numbers, m_length, m_block}) edit->installEventFilter(this);
    m_downloads =
        Display(this, QStringLiteral("lbDownloads"), Tr("Количество загрузок пользователями"));
    m_lastDownload =
        Display(this, QStringLiteral("lbLastDownload"), Tr("Время последней загрузки"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(Tr("OK"));
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setText(Tr("Отмена"));
    m_cancel->setToolTip(Tr("Закрыть окно"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormSystem::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormSystem::reject);

    auto* top = new QFormLayout;
    top->addRow(Tr("Наименование:"), m_title);
    top->addRow(Tr("Описание:"), m_description);
    top->addRow(Tr("Автор:"), m_author);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_link, 1);
    linkRow->addWidget(m_linkButton);
    top->addRow(Tr("Ссылка:"), linkRow);
    auto* numbers = new QFormLayout;
    numbers->addRow(Tr("Создана:"), m_created);
    numbers->addRow(Tr("Комбинаций:"), m_count);
    numbers->addRow(Tr("Числа:"), m_numbers);
    numbers->addRow(Tr("Длина:"), m_length);
    numbers->addRow(Tr("Блок:"), m_block);
    numbers->addRow(Tr("Загрузок:"), m_downloads);
    numbers->addRow(Tr("Последняя:"), m_lastDownload);
    auto* combs = new QVBoxLayout;
    combs->addWidget(new QLabel(Tr("Список комбинаций:"), this));
    combs->addWidget(m_combs, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(combs, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(numbers);
    side->addStretch();
    bottom->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    layout->addWidget(buttons);
}

void TFormSystem::Fill(const TSystemData& system) {
    m_title->setText(QString::fromStdString(system.Title));
    m_description->setPlainText(QString::fromStdString(system.Description));
    m_author->setText(QString::fromStdString(system.Author));
    m_link->setText(QString::fromStdString(system.Link));
    m_combs->setPlainText(TextLines(QString::fromStdString(system.CombinationText)).join(u'\n'));
    m_created->setText(TimeText(system.Created));
    m_count->setText(QString::number(system.Combinations));
    m_numbers->setText(QString::number(system.Numbers));
    m_length->setText(QString::number(kCombLength));
    m_block->setText(QString::number(system.Block));
    m_downloads->setText(QString::number(system.Downloads));
    m_lastDownload->setText(TimeText(system.LastDownload));
}

void TFormSystem::MakeReadOnly() {
    for (QLineEdit* edit : {m_title, m_numbers, m_block, m_author, m_link}) edit->setReadOnly(true);
    for (QPlainTextEdit* edit : {m_description, m_combs}) edit->setReadOnly(true);
    // Read-only fields take the dialog's colour, so that nothing looks editable.
    for (QWidget* field : std::initializer_list<QWidget*>{m_title, m_numbers, m_block, m_author,
                                                          m_link, m_description, m_combs}) {
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base, palette().color(QPalette::Window));
        field->setPalette(colours);
    }
    m_ok->hide();
    m_cancel->setDefault(true);
    m_cancel->setFocus();
}

void TFormSystem::CheckButtons() {
    m_linkButton->setEnabled(!m_link->text().isEmpty());
}

QString TFormSystem::BrowserAddress(const QString& link) {
    for (const char* scheme : {"http://", "https://", "ftp://", "ftps://"}) {
        if (link.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return link;
    }
    return QStringLiteral("http://") + link;
}

bool TFormSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != m_combs) {
        // The number fields take digits only; Enter and Escape keep their dialog meaning.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool typed =
            key->key() == Qt::Key_Backspace ||
            (!text.isEmpty() && text.front() >= QLatin1Char(' ') && text.front() != QChar(0x7f));
        if (typed && !(text.size() == 1 && text.front().isDigit() &&
                       text.front() <= QLatin1Char('9') && text.front() >= QLatin1Char('0'))) {
            QApplication::beep();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && watched == m_combs && m_editable) {
        // A context menu or a message box over the editor is no leaving of it.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            CheckCombinations();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFormSystem::CheckCombinations() {
    QStringList lines = TextLines(m_combs->toPlainText());
    bool ok = true;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const std::string line = lines[i].trimmed().toStdString();
        const std::vector<std::string> words = SplitWords(line, SystemSeparators);
        if (line.empty() || words.size() != kCombLength) {
            lines.removeAt(i);
            continue;
        }
        QStringList numbers;
        for (const std::string& word : words) {
            bool isNumber = false;
            const int n = QString::fromStdString(Trim(word)).toInt(&isNumber);
            if (!isNumber) {
                ok = false;
                TMessages::ShowError(
                    Tr("\"%1\" не является целым числом.").arg(QString::fromStdString(word)), this);
                break;
            }
            numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        }
        if (!ok) break;
        lines[i] = numbers.join(QLatin1Char(' '));
    }
    m_combs->setPlainText(lines.join(QLatin1Char('\n')));
    if (!ok) return false;
    int smallest = INT_MAX, largest = INT_MIN;
    for (const QString& line : lines) {
        for (const QString& word : line.split(QLatin1Char(' '))) {
            smallest = std::min(smallest, word.toInt());
            largest = std::max(largest, word.toInt());
        }
    }
    m_numbers->setText(QString::number(lines.isEmpty() ? 0 : largest - smallest + 1));
    m_count->setText(QString::number(lines.size()));
    return true;
}

bool TFormSystem::Fail(QWidget* field, const QString& message) {
    TMessages::ShowError(message, this);
    field->setFocus();
    return false;
}

bool TFormSystem::Validate() {
    const int numbers = NumberOf(m_numbers->text());
    const int block = NumberOf(m_block->text());
    if (m_title->text().trimmed().isEmpty()) {
        return Fail(m_title, Tr("Название системы должно быть указано обязательно!"));
    }
    if (numbers < 6 || numbers > 36) {
        return Fail(m_numbers, Tr("Указано недопустмое количество используемых чисел!"));
    }
    if (block < 0 || block > 4) return Fail(m_block, Tr("Указан недопустмый размер блока!"));
    if (m_author->text().trimmed().isEmpty()) {
        return Fail(m_author, Tr("Имя автора должно быть указано обязательно!"));
    }
    if (m_description->toPlainText().trimmed().isEmpty()) {
        return Fail(m_description, Tr("Описание системы должно быть указано обязательно!"));
    }
    if (m_combs->toPlainText().trimmed().isEmpty()) {
        return Fail(m_combs, Tr("Содержимое системы должно быть указано обязательно!"));
    }
    return true;
}

void TFormSystem::accept() {
    if (!m_editable) return;
    // OK pressed with Enter leaves the list without a focus change: it is tidied here too, so
    // that the count sent is the count of the lines sent.
    if (m_combs->hasFocus() && !CheckCombinations()) return;
    if (Validate()) QDialog::accept();
}

TSystemData TFormSystem::Result() const {
    TSystemData system = m_data;
    system.Title = m_title->text().toStdString();
    system.Description = m_description->toPlainText().toStdString();
    system.Author = m_author->text().toStdString();
    system.Link = m_link->text().toStdString();
    std::string text;
    for (const QString& line : TextLines(m_combs->toPlainText()))
        text += line.toStdString() + "\r\n";
    system.CombinationText = text;
    system.Created = ParseTimeText(m_created->text()).value_or(Now());
    system.Combinations = NumberOf(m_count->text());
    system.Numbers = static_cast<std::uint8_t>(std::clamp(NumberOf(m_numbers->text()), 0, 255));
    system.Block = static_cast<std::uint8_t>(std::clamp(NumberOf(m_block->text()), 0, 255));
    system.Downloads = NumberOf(m_downloads->text());
    system.LastDownload = ParseTimeText(m_lastDownload->text()).value_or(0);
    return system;
}

void TFormSystem::BuildCombinationsMenu() {
    m_combsMenu = new QMenu(this);
    const auto add = [this](const QString& caption, const QString& hint, auto slot) {
        QAction* action = m_combsMenu->addAction(caption, this, slot);
        action->setStatusTip(hint);
        action->setToolTip(hint);
        return action;
    };
    m_copy = add(Tr("Копировать в буфер обмена"), Tr("Копировать в буфер обмена Windows"),
                 [this] { QApplication::clipboard()->setText(m_combs->toPlainText()); });
    m_paste = add(Tr("Вставить из буфера обмена"), Tr("Вставить из буфера обмена Windows"),
                  [this] { m_combs->setPlainText(QApplication::clipboard()->text()); });
    m_selectAll =
        add(Tr("Выделить все"), Tr("Выделить все комбинации"), [this] { m_combs->selectAll(); });
    m_combsMenu->addSeparator();
    m_load = add(Tr("Загрузить из файла"), Tr("Загрузить из текстового файла"),
                 [this] { LoadCombinationsFile(); });
    m_save = add(Tr("Сохранить в файле"), Tr("Сохранить в текстовом файле"),
                 [this] { SaveCombinationsFile(); });
}

QMenu* TFormSystem::CombinationsMenu() {
    const bool empty = m_combs->document()->isEmpty();
    m_copy->setEnabled(m_combs->textCursor().hasSelection());
    m_paste->setEnabled(m_editable && !QApplication::clipboard()->text().isEmpty());
    m_selectAll->setEnabled(!empty);
    m_load->setEnabled(m_editable);
    m_save->setEnabled(!empty);
    return m_combsMenu;
}

void TFormSystem::LoadCombinationsFile() {
    const QString name =
        QFileDialog::getOpenFileName(this, QString(), QString(), Tr("Все файлы (*)"));
    if (name.isEmpty()) return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        TMessages::ShowError(Tr("Не удалось открыть файл \"%1\".").arg(name), this);
        return;
    }
    const QByteArray bytes = file.readAll();
    // System texts come in UTF-8 or in the Windows Cyrillic code page.
    const QString text = QString::fromUtf8(bytes);
    m_combs->setPlainText(text.contains(QChar::ReplacementCharacter)
                              ? QString::fromStdString(Cp1251ToUtf8(bytes.toStdString()))
                              : text);
}

void TFormSystem::SaveCombinationsFile() {
    const QString name =
        QFileDialog::getSaveFileName(this, QString(), QString(), Tr("Все файлы (*)"));
    if (name.isEmpty()) return;
    QByteArray bytes;
    for (const QString& line : TextLines(m_combs->toPlainText())) {
        bytes += line.toUtf8() + "\r\n";
    }
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        TMessages::ShowError(Tr("Не удалось сохранить файл \"%1\".").arg(name), this);
    }
}

}  // namespace mv::gui
