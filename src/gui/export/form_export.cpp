#include "gui/export/form_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/core/text_utils.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

namespace {

constexpr const char* kFilter = TrNoop("Файлы параметров экспорта (*.exp);;Все файлы (*.*)");

enum TFieldColumn { fcCaption, fcAlignment, fcWidth, fcPhysical };

}  // namespace

// --- one field ------------------------------------------------------------------------------

TFormExportField::TFormExportField(const TExportField& field, QWidget* parent)
    : QDialog(parent), m_field(field) {
    setObjectName(QStringLiteral("TFormExportField"));
    setWindowTitle(Tr("Параметры поля"));
    m_caption = new QLineEdit(Q(field.Caption), this);
    m_caption->setObjectName(QStringLiteral("edCaption"));
    m_alignment = new QComboBox(this);
    m_alignment->setObjectName(QStringLiteral("cbAlignment"));
    for (int a = eaLeft; a <= eaCenter; ++a)
        m_alignment->addItem(QString::fromUtf8(ExportAlignmentText(a)));
    m_alignment->setCurrentIndex(std::clamp(field.Alignment, 0, 2));
    m_width = new QDoubleSpinBox(this);
    m_width->setObjectName(QStringLiteral("edWidth"));
    m_width->setDecimals(2);
    m_width->setRange(0, 999999.99);
    m_width->setGroupSeparatorShown(true);
    m_width->setAlignment(Qt::AlignRight);
    m_width->setValue(ReadNumberTolerant(field.Width, 10));

    auto* form = new QFormLayout;
    form->addRow(Tr("Заголовок столбца:"), m_caption);
    form->addRow(Tr("Выравнивание данных:"), m_alignment);
    form->addRow(Tr("Ширина:"), m_width);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TExportField TFormExportField::Result() const {
    TExportField f = m_field;
    f.Caption = m_caption->text().toStdString();
    f.Alignment = m_alignment->currentIndex();
    f.Width = FormatFloat(m_width->value(), 2);
    return f;
}

// --- the export dialog ------------------------------------------------------------------------

TFormExport::TFormExport(const TExportParams& params, std::string section, std::size_t allRows,
                         std::size_t selectedRows, bool remembered, QWidget* parent)
    : QDialog(parent),
      m_section(std::move(section)),
      m_allRows(allRows),
      m_selectedRows(selectedRows) {
    setObjectName(QStringLiteral("TFormExport"));
    setWindowTitle(Tr("Экспорт в Microsoft Excel"));

    // Page "Параметры листа".
    auto* sheetPage = new QWidget(this);
    m_title = new QLineEdit(sheetPage);
    m_title->setObjectName(QStringLiteral("edTitle"));
    m_title->setToolTip(Tr("Название отчета"));
    m_notes = new QLineEdit(sheetPage);
    m_notes->setObjectName(QStringLiteral("edNotes"));
    m_notes->setToolTip(Tr("Дополнительная информация"));
    m_created = new QCheckBox(
        Tr("Добавить строку с датой и временем формирования отчета (экспорта)."), sheetPage);
    m_created->setObjectName(QStringLiteral("cbCreated"));
    m_sheet = new QLineEdit(sheetPage);
    m_sheet->setObjectName(QStringLiteral("edSheet"));
    m_sheet->setMaxLength(static_cast<int>(MaxExportSheetNameLength));
    m_orientation = new QComboBox(sheetPage);
    m_orientation->setObjectName(QStringLiteral("cbOrientation"));
    m_orientation->addItems({Tr("Не устанавливать"), Tr("Книжная"), Tr("Альбомная")});
    m_fontSize = new QSpinBox(sheetPage);
    m_fontSize->setObjectName(QStringLiteral("edFontSize"));
    m_fontSize->setRange(MinExportFontSize, MaxExportFontSize);
    m_rowsMode = new QComboBox(sheetPage);
    m_rowsMode->setObjectName(QStringLiteral("cbRowsMode"));
    m_rowsMode->addItems(
        {Tr("Экспортировать все отображенные записи"), Tr("Экспортировать выделенные записи")});
    m_rowsCount = new QLabel(sheetPage);
    m_rowsCount->setObjectName(QStringLiteral("lbRowsCount"));
    connect(m_rowsMode, &QComboBox::currentIndexChanged, this, &TFormExport::ShowRowCount);

    auto* text = new QFormLayout;
    text->addRow(Tr("Наименование отчета:"), m_title);
    text->addRow(Tr("Дополнительные сведения:"), m_notes);
    auto* sheetGroup = new QGroupBox(Tr(" Параметры листа Microsoft Excel "), sheetPage);
    auto* sheetForm = new QFormLayout(sheetGroup);
    sheetForm->addRow(Tr("Наименование листа:"), m_sheet);
    sheetForm->addRow(Tr("Ориентация:"), m_orientation);
    sheetForm->addRow(Tr("Базовый размер шрифта:"), m_fontSize);
    auto* rowsGroup = new QGroupBox(Tr(" Режим передачи данных "), sheetPage);
    auto* rowsLine = new QHBoxLayout(rowsGroup);
    rowsLine->addWidget(new QLabel(Tr("Число строк:"), rowsGroup));
    rowsLine->addWidget(m_rowsMode, 1);
    rowsLine->addWidget(m_rowsCount);
    auto* sheetLayout = new QVBoxLayout(sheetPage);
    sheetLayout->addLayout(text);
    sheetLayout->addWidget(m_created);
    sheetLayout->addWidget(sheetGroup);
    sheetLayout->addWidget(rowsGroup);
    sheetLayout->addStretch();

    // Page "Столбцы таблицы".
    auto* columnsPage = new QWidget(this);
    m_fields = new QTreeWidget(columnsPage);
    m_fields->setObjectName(QStringLiteral("lvFields"));
    m_fields->setRootIsDecorated(false);
    m_fields->setHeaderLabels(
        {Tr("Наименование столбца"), Tr("Выравнивание"), Tr("Ширина"), Tr("Физическое поле")});
    connect(m_fields, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (!m_filling && column == fcCaption) FieldClicked(m_fields->indexOfTopLevelItem(item));
    });
    connect(m_fields, &QTreeWidget::itemDoubleClicked, this, [this] { EditField(); });
    auto* up = new QPushButton(Tr("Вверх"), columnsPage);
    up->setObjectName(QStringLiteral("btUp"));
    up->setToolTip(Tr("Переместить на одну строку вверх"));
    up->setShortcut(QKeySequence(QStringLiteral("Ctrl+Up")));
    connect(up, &QPushButton::clicked, this, [this] { MoveField(-1); });
    auto* down = new QPushButton(Tr("Вниз"), columnsPage);
    down->setObjectName(QStringLiteral("btDown"));
    down->setToolTip(Tr("Переместить на одну строку вниз"));
    down->setShortcut(QKeySequence(QStringLiteral("Ctrl+Down")));
    connect(down, &QPushButton::clicked, this, [this] { MoveField(1); });
    auto* props = new QPushButton(Tr("Свойства"), columnsPage);
    props->setObjectName(QStringLiteral("btProperties"));
    props->setToolTip(Tr("Изменить свойства экспортируемого поля"));
    connect(props, &QPushButton::clicked, this, [this] { EditField(); });
    for (const char* key : {"Ctrl+Return", "Ctrl+Enter"}) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), m_fields);
        connect(shortcut, &QShortcut::activated, this, [this] { EditField(); });
    }
    auto* fieldButtons = new QVBoxLayout;
    fieldButtons->addWidget(up);
    fieldButtons->addWidget(down);
    fieldButtons->addWidget(props);
    fieldButtons->addStretch();
    auto* fieldLine = new QHBoxLayout;
    fieldLine->addWidget(m_fields, 1);
    fieldLine->addLayout(fieldButtons);
    auto* columnsLayout = new QVBoxLayout(columnsPage);
    columnsLayout->addWidget(new QLabel(Tr("Перечень экспортируемых полей:")));
    columnsLayout->addLayout(fieldLine);

    auto* pages = new QTabWidget(this);
    pages->addTab(sheetPage, Tr("Параметры листа"));
    pages->addTab(columnsPage, Tr("Столбцы таблицы"));

    // Below both pages.
    m_restore = new QCheckBox(Tr("Сохранить параметры экспорта в файле конфигурации"), this);
    m_restore->setObjectName(QStringLiteral("cbRestore"));
    m_restore->setEnabled(remembered);
    m_paramsButton = new QPushButton(Tr("Параметры"), this);
    m_paramsButton->setObjectName(QStringLiteral("btParams"));
    m_paramsButton->setVisible(remembered);
    auto* menu = new QMenu(m_paramsButton);
    QAction* load = menu->addAction(Tr("Загрузить из файла"), this, [this] {
        const QString file = ChooseFile(false);
        if (!file.isEmpty()) LoadFromFile(file);
    });
    load->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QAction* save = menu->addAction(Tr("Сохранить в файле"), this, [this] {
        const QString file = ChooseFile(true);
        if (!file.isEmpty()) SaveToFile(file);
    });
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_paramsButton->setMenu(menu);
    // The menu's keys work while the dialog is up.
    if (remembered) addActions({load, save});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setToolTip(Tr("Начать экспорт"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    buttons->button(QDialogButtonBox::Cancel)->setToolTip(Tr("Закрыть окно"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_paramsButton);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addWidget(m_restore);
    layout->addLayout(bottom);
    resize(560, 420);

    ChooseFile = [this](bool toSave) {
        QFileDialog dialog(this, toSave ? Tr("Сохранить в файле") : Tr("Загрузить из файла"),
                           QCoreApplication::applicationDirPath(), Tr(kFilter));
        dialog.setDefaultSuffix(QStringLiteral("exp"));
        dialog.setAcceptMode(toSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(toSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    };
    RunFieldDialog = [](TFormExportField& dialog) { return dialog.exec() == QDialog::Accepted; };

    SetParams(params);
    m_rowsMode->setCurrentIndex(params.SelectedOnly ? 1 : 0);
    ShowRowCount();
}

void TFormExport::SetParams(const TExportParams& params) {
    m_title->setText(Q(params.Title));
    m_notes->setText(Q(params.Notes));
    m_created->setChecked(params.ShowCreateTime);
    m_sheet->setText(Q(params.SheetName));
    m_orientation->setCurrentIndex(std::clamp(params.PageOrientation, 0, 2));
    m_fontSize->setValue(params.BaseFontSize);
    m_restore->setChecked(params.RestoreParameters);
    m_fieldData = params.Fields;
    PartitionExportFields(m_fieldData);
    ShowFields(m_fieldData.empty() ? -1 : 0);
}

TExportParams TFormExport::Params() const {
    TExportParams p;
    p.Title = m_title->text().toStdString();
    p.Notes = m_notes->text().toStdString();
    p.ShowCreateTime = m_created->isChecked();
    p.SheetName = m_sheet->text().toStdString();
    p.PageOrientation = m_orientation->currentIndex();
    p.BaseFontSize = m_fontSize->value();
    p.SelectedOnly = m_rowsMode->currentIndex() == 1;
    p.Fields = m_fieldData;
    p.RestoreParameters = m_restore->isChecked();
    return p;
}

void TFormExport::ShowRowCount() {
    m_rowsCount->setText(
        QString::number(m_rowsMode->currentIndex() == 1 ? m_selectedRows : m_allRows));
}

void TFormExport::ShowFields(int current) {
    m_filling = true;
    m_fields->clear();
    for (const TExportField& f : m_fieldData) {
        auto* item = new QTreeWidgetItem(m_fields);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(fcCaption, f.Checked ? Qt::Checked : Qt::Unchecked);
        item->setText(fcCaption, Q(f.Caption));
        item->setText(fcAlignment, QString::fromUtf8(ExportAlignmentText(f.Alignment)));
        item->setText(fcWidth, Q(f.Width));
        item->setText(fcPhysical, Q(f.PhysicalField));
    }
    m_filling = false;
    if (QTreeWidgetItem* item = m_fields->topLevelItem(current)) {
        m_fields->setCurrentItem(item);
        m_fields->scrollToItem(item);
    }
}

void TFormExport::FieldClicked(int row) {
    if (row < 0 || row >= static_cast<int>(m_fieldData.size())) return;
    m_fieldData[static_cast<std::size_t>(row)].Checked =
        m_fields->topLevelItem(row)->checkState(fcCaption) == Qt::Checked;
    const int moved = PartitionExportFields(m_fieldData, row);
    // Rebuilt after the signal returns: the item that sent it must outlive it.
    QMetaObject::invokeMethod(
        this, [this, moved] { ShowFields(moved); }, Qt::QueuedConnection);
}

void TFormExport::MoveField(int delta) {
    const int row = m_fields->indexOfTopLevelItem(m_fields->currentItem());
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= static_cast<int>(m_fieldData.size())) return;
    std::swap(m_fieldData[static_cast<std::size_t>(row)],
              m_fieldData[static_cast<std::size_t>(target)]);
    ShowFields(PartitionExportFields(m_fieldData, target));
}

void TFormExport::EditField() {
    const int row = m_fields->indexOfTopLevelItem(m_fields->currentItem());
    if (row < 0) return;
    TFormExportField dialog(m_fieldData[static_cast<std::size_t>(row)], this);
    if (!RunFieldDialog(dialog)) return;
    m_fieldData[static_cast<std::size_t>(row)] = dialog.Result();
    ShowFields(row);
}

void TFormExport::LoadFromFile(const QString& file) {
    try {
        TExportParams p = Params();
        const auto result = RestoreExportParams(std::filesystem::path(file.toStdString()),
                                                m_section, TExportParamsOrigin::ParamFile, p);
        for (const std::string& error : result.Errors) TMessages::ShowError(Q(error), this);
        if (!result.SectionFound) return;
        const int mode = m_rowsMode->currentIndex();
        SetParams(p);
        m_rowsMode->setCurrentIndex(mode);
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), this);
    }
}

void TFormExport::SaveToFile(const QString& file) {
    try {
        SaveExportParams(std::filesystem::path(file.toStdString()), m_section,
                         TExportParamsOrigin::ParamFile, Params());
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), this);
    }
}

}  // namespace mv::gui
