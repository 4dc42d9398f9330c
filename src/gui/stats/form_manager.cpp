#include "gui/stats/form_manager.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/core/text_codec.h"
#include "engine/session/workspace.h"
#include "engine/support/busy.h"
#include "gui/core/command_host.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

const char* const kWait = TrNoop("Подождите пожалуйста...");
const char* const kNamesFilter = TrNoop("Наименования фильтров (*.flt)");
constexpr int kMethodRole = Qt::UserRole;  // registry index; -1 on group nodes

struct TCommandDef {
    const char* Name;
    const char* Caption;
    const char* Hint;
};
// In the order of the tree's context menu; an empty name is a separator.
constexpr TCommandDef kCommands[] = {
    {"GroupNone", TrNoop("Сбросить группу"), TrNoop("Снять отметки со всех фильтров группы")},
    {"GroupAll", TrNoop("Выбрать группу"), TrNoop("Поставить отметки у всех фильтров группы")},
    {"", "", ""},
    {"CheckNone", TrNoop("Сбросить все"), TrNoop("Снять отметки со всех фильтров")},
    {"CheckAll", TrNoop("Выбрать все"), TrNoop("Поставить отметки у всех фильтров")},
    {"", "", ""},
    {"Info", TrNoop("Описание"),
     TrNoop("Справочная информация о выделенном методе расчета статистики")},
    {"", "", ""},
    {"Rename", TrNoop("Переименовать"), TrNoop("Переименовать фильтр")},
    {"ResetName", TrNoop("Вернуть"), TrNoop("Вернуть наименование \"по умолчанию\"")},
    {"", "", ""},
    {"NamesImport", TrNoop("Импорт названий"), TrNoop("Импорт названий фильтров из файла")},
    {"NamesExport", TrNoop("Экспорт названий"), TrNoop("Экспорт названий фильтров в файл")},
};

int NodeMethod(const QTreeWidgetItem* node) {
    return node ? node->data(0, kMethodRole).toInt() : -1;
}

QString CaptionOf(const TStatMethod& m) {
    return Q(m.StatClass->CaptionFor(m.Index));
}

}  // namespace

TFormManager::TFormManager(ICommandHost& host, std::function<void(int)> describe, QWidget* parent)
    : QDialog(parent), m_host(host), m_describe(std::move(describe)) {
    setObjectName(QStringLiteral("TFormManager"));
    setWindowTitle(Tr("Менеджер избранных методов расчета статистики"));
    setSizeGripEnabled(true);

    auto* prompt =
        new QLabel(Tr("Отметьте методы расчета статистики, которые Вы хотите использовать:"), this);
    m_count = new QLabel(this);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(prompt, 1);
    top->addWidget(m_count);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvFilters"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setIndentation(18);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);

    for (const TCommandDef& def : kCommands) {
        auto* action = new QAction(this);
        if (!*def.Name) {
            action->setSeparator(true);
        } else {
            action->setObjectName(QString::fromLatin1(def.Name));
            action->setText(Tr(def.Caption));
            action->setToolTip(Tr(def.Hint));
            action->setStatusTip(Tr(def.Hint));
            m_commands.push_back(action);
        }
        m_tree->addAction(action);
    }
    connect(Command(QStringLiteral("CheckNone")), &QAction::triggered, this,
            [this] { SetAllMarks(false); });
    connect(Command(QStringLiteral("CheckAll")), &QAction::triggered, this,
            [this] { SetAllMarks(true); });
    connect(Command(QStringLiteral("GroupNone")), &QAction::triggered, this,
            [this] { SetGroupMarks(false); });
    connect(Command(QStringLiteral("GroupAll")), &QAction::triggered, this,
            [this] { SetGroupMarks(true); });
    connect(Command(QStringLiteral("Rename")), &QAction::triggered, this, [this] { Rename(); });
    connect(Command(QStringLiteral("ResetName")), &QAction::triggered, this,
            [this] { ResetName(); });
    connect(Command(QStringLiteral("Info")), &QAction::triggered, this, [this] { ShowInfo(); });
    connect(Command(QStringLiteral("NamesImport")), &QAction::triggered, this,
            [this] { ImportNames(); });
    connect(Command(QStringLiteral("NamesExport")), &QAction::triggered, this,
            [this] { ExportNames(); });

    // A click on a method toggles its mark; so does a double click.
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { ToggleNode(node); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { ToggleNode(node); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateCommands(); });

    auto* buttons = new QHBoxLayout;
    for (const char* name : {"Rename", "ResetName", "Info"}) {
        auto* button = new QPushButton(this);
        QAction* action = Command(QString::fromLatin1(name));
        button->setText(action->text());
        button->setToolTip(action->toolTip());
        button->setObjectName(QStringLiteral("btn") + action->objectName());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* options = new QGroupBox(
        Tr(" Параметры вывода наименований в списках методов расчета статистики "), this);
    m_ordered = new QCheckBox(Tr("Сортировать списки по названию метода"), options);
    m_groupName = new QCheckBox(
        Tr("Отображать идентификатор группы { xxx } перед названием метода"), options);
    m_flags =
        new QCheckBox(Tr("Отображать особенности метода [ YYY ] после названия метода"), options);
    auto* optionsLayout = new QVBoxLayout(options);
    for (QCheckBox* box : {m_ordered, m_groupName, m_flags}) optionsLayout->addWidget(box);

    auto* okCancel = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okCancel->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(okCancel, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(okCancel, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    layout->addWidget(options);
    layout->addWidget(okCancel);
    resize(560, 600);

    const TMethodDisplay display = MethodDisplay(m_host.Workspace().Stats());
    m_ordered->setChecked(display.Ordered);
    m_groupName->setChecked(display.ShowGroupName);
    m_flags->setChecked(display.ShowMethodFlags);
    FillTree();
}

QAction* TFormManager::Command(const QString& name) const {
    for (QAction* a : m_commands) {
        if (a->objectName() == name) return a;
    }
    return nullptr;
}

void TFormManager::RunFrozen(const std::function<void()>& work) {
    m_host.RunBusy(Tr(kWait), [&] {
        m_tree->setUpdatesEnabled(false);
        struct TThaw {
            QTreeWidget* Tree;
            ~TThaw() { Tree->setUpdatesEnabled(true); }
        } thaw{m_tree};
        work();
    });
    UpdateCommands();
}

void TFormManager::FillTree() {
    RunFrozen([this] {
        const TStatList& registry = m_host.Workspace().Stats();
        m_tree->clear();
        m_count->setText(Tr("всего %1 методов").arg(registry.MethodCount()));
        const QIcon groupIcon = style()->standardIcon(QStyle::SP_DirIcon);
        for (int i = 0; i < registry.MethodCount(); ++i) {
            const TStatMethod& m = registry.Method(i);
            if (!m.StatClass->Available) continue;
            const std::string heading = StatGroupHeading(m.StatClass->Group);
            QTreeWidgetItem* group = nullptr;
            for (int g = 0; g < m_tree->topLevelItemCount() && !group; ++g) {
                QTreeWidgetItem* candidate = m_tree->topLevelItem(g);
                if (EqualsNoCaseUtf8(candidate->text(0).toStdString(), heading)) group = candidate;
            }
            if (!group) {
                group = new QTreeWidgetItem(m_tree, {Q(heading)});
                group->setData(0, kMethodRole, -1);
                group->setIcon(0, groupIcon);
            }
            auto* node =
                new QTreeWidgetItem(group, {m.UserName.empty() ? CaptionOf(m) : Q(m.UserName)});
            node->setData(0, kMethodRole, i);
            node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            node->setCheckState(0, m.Favorite ? Qt::Checked : Qt::Unchecked);
        }
        m_tree->expandAll();
    });
}

std::vector<TMethodChoice> TFormManager::Choices() const {
    std::vector<TMethodChoice> choices;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            const QTreeWidgetItem* node = group->child(c);
            choices.push_back({NodeMethod(node), node->checkState(0) == Qt::Checked,
                               node->text(0).toStdString()});
        }
    }
    return choices;
}

TMethodDisplay TFormManager::Display() const {
    return {m_ordered->isChecked(), m_groupName->isChecked(), m_flags->isChecked()};
}

QTreeWidgetItem* TFormManager::MethodNode(int method) const {
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            if (NodeMethod(group->child(c)) == method) return group->child(c);
        }
    }
    return nullptr;
}

void TFormManager::ToggleNode(QTreeWidgetItem* node) {
    if (!node || NodeMethod(node) < 0 || !IsIdle()) return;
    node->setCheckState(0, node->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

QTreeWidgetItem* TFormManager::SelectedGroup() const {
    QTreeWidgetItem* node = m_tree->currentItem();
    if (!node || !node->isSelected()) return nullptr;
    return node->parent() ? node->parent() : node;
}

QTreeWidgetItem* TFormManager::SelectedMethod() const {
    QTreeWidgetItem* node = m_tree->currentItem();
    return node && node->isSelected() && NodeMethod(node) >= 0 ? node : nullptr;
}

void TFormManager::UpdateCommands() {
    const bool idle = IsIdle();
    const bool filled = m_tree->topLevelItemCount() > 0;
    const bool group = SelectedGroup() != nullptr;
    const bool method = SelectedMethod() != nullptr;
    const std::pair<const char*, bool> rules[] = {
        {"CheckNone", filled}, {"CheckAll", filled},  {"GroupNone", group},
        {"GroupAll", group},   {"Rename", method},    {"ResetName", method},
        {"Info", method},      {"NamesImport", true}, {"NamesExport", true},
    };
    for (const auto& [name, rule] : rules) {
        Command(QString::fromLatin1(name))->setEnabled(idle && rule);
    }
}

void TFormManager::SetAllMarks(bool checked) {
    if (m_tree->topLevelItemCount() == 0) return;
    RunFrozen([&] {
        for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
            QTreeWidgetItem* group = m_tree->topLevelItem(g);
            for (int c = 0; c < group->childCount(); ++c) {
                group->child(c)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
            }
        }
    });
}

void TFormManager::SetGroupMarks(bool checked) {
    QTreeWidgetItem* group = SelectedGroup();
    if (!group) return;
    RunFrozen([&] {
        for (int c = 0; c < group->childCount(); ++c) {
            group->child(c)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        }
    });
}

void TFormManager::Rename() {
    QTreeWidgetItem* node = SelectedMethod();
    if (!node) return;
    QInputDialog input(this);
    input.setObjectName(QStringLiteral("TFormRename"));
    input.setWindowTitle(Tr("Переименование"));
    input.setLabelText(Tr("Введите наименование фильтра:"));
    input.setTextValue(node->text(0));
    input.setOkButtonText(QStringLiteral("OK"));
    input.setCancelButtonText(Tr("Отмена"));
    if (m_host.ExecDialog(input, {})) node->setText(0, input.textValue());
}

void TFormManager::ResetName() {
    QTreeWidgetItem* node = SelectedMethod();
    if (!node) return;
    RunFrozen(
        [&] { node->setText(0, CaptionOf(m_host.Workspace().Stats().Method(NodeMethod(node)))); });
}

void TFormManager::ShowInfo() {
    if (QTreeWidgetItem* node = SelectedMethod(); node && m_describe) m_describe(NodeMethod(node));
}

QString TFormManager::PickNamesFile(bool save) {
    QFileDialog dialog(this, save ? Tr("Экспорт названий") : Tr("Импорт названий"),
                       Q(m_host.Workspace().Paths().Dir.string()), Tr(kNamesFilter));
    dialog.setObjectName(QStringLiteral("NamesFileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("flt"));
    if (!m_host.ExecDialog(dialog, {}) || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void TFormManager::ImportNames() {
    const QString file = PickNamesFile(false);
    if (file.isEmpty()) return;
    m_host.RunBusy(Tr(kWait), [&] { ImportMethodNames(m_host.Workspace(), file.toStdString()); });
    FillTree();
}

void TFormManager::ExportNames() {
    const QString file = PickNamesFile(true);
    if (file.isEmpty()) return;
    m_host.RunBusy(Tr(kWait),
                   [&] { ExportMethodNames(m_host.Workspace(), file.toStdString(), Choices()); });
}

}  // namespace mv::gui
