#include "gui/scenarios/form_filter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "engine/stats/filter_modes.h"
#include "engine/stats/stat_table.h"
#include "engine/stats/value_list.h"
#include "gui/support/messages.h"
#include "gui/support/number_locale.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr int kFirstWeightMode = 19;
constexpr int kLastWeightMode = 21;
constexpr int kValueListMode = 31;
constexpr int kStopByCombinations = 1;
const char* const kBadList = TrNoop("Введен некорректный диапазон значений!");

QLineEdit* ListEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // Only digits and the list separators can be typed.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9,;\\-\\s]*")), edit));
    return edit;
}

bool ValidList(const QString& text, bool rejectLoneZero) {
    const auto values = ParseValueList(text.toStdString());
    return !values.empty() && !(rejectLoneZero && values.size() == 1 && values[0] == 0);
}

}  // namespace

TFormFilter::TFormFilter(const TStatList& registry, const QComboBox& methods, int windowLength,
                         const TWeightCoefs& configured, QWidget* parent)
    : QDialog(parent), m_registry(registry), m_configured(configured) {
    setObjectName(QStringLiteral("TFormFilter"));
    setWindowTitle(Tr("Фильтр"));

    m_method = new QComboBox(this);
    m_method->setObjectName(QStringLiteral("cbStat"));
    for (int i = 0; i < methods.count(); ++i)
        m_method->addItem(methods.itemText(i), methods.itemData(i));
    m_method->setCurrentIndex(methods.currentIndex());
    m_window = ListEdit(this, QStringLiteral("edDraws"));
    m_window->setText(QString::number(windowLength));
    m_window->setToolTip(
        Tr("Одно значение: 100\nСписок значений: 50, 100, 200\nДиапазон с шагом: 50-200;50"));
    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("cbSortColumn"));
    for (const char* caption : StatColumnCaptions()) m_sort->addItem(QString::fromUtf8(caption));
    m_sort->setCurrentIndex(1);
    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("cbDirection"));
    m_direction->addItems({Tr("Сверху-вниз"), Tr("Снизу-вверх")});
    m_keep = new QComboBox(this);
    m_keep->setObjectName(QStringLiteral("cbFilterMode"));
    m_keep->addItems({Tr("Удалить выделенные"), Tr("Оставить выделенные")});
    m_multiSelect = new QCheckBox(
        Tr("Использовать режим одновременного выделения нескольких значений в списке"), this);
    m_multiSelect->setObjectName(QStringLiteral("chMultiSelect"));
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("cbLevelMode"));
    for (int mode = 0; mode < LevelModeCount; ++mode) m_level->addItem(Q(LevelCaption(mode)));
    m_levelText = ListEdit(this, QStringLiteral("edLevel"));
    m_stop = new QComboBox(this);
    m_stop->setObjectName(QStringLiteral("cbStopMode"));
    for (int mode = 0; mode < StopModeCount; ++mode) m_stop->addItem(Q(StopCaption(mode)));
    m_stopValue = new QSpinBox(this);
    m_stopValue->setObjectName(QStringLiteral("seStopValue"));
    m_stopValue->setRange(1, std::numeric_limits<int>::max());

    auto* form = new QFormLayout;
    form->addRow(Tr("Тип фильтра:"), m_method);
    form->addRow(Tr("Количество тиражей:"), m_window);
    form->addRow(Tr("Сортировать по столбцу:"), m_sort);
    form->addRow(Tr("Направление:"), m_direction);
    form->addRow(Tr("Режим фильтра:"), m_keep);
    form->addRow(m_multiSelect);
    form->addRow(Tr("Режим выделения значений в списке статистики:"), m_level);
    form->addRow(Tr("Значения:"), m_levelText);

    auto* stopRow = new QFormLayout;
    stopRow->addRow(Tr("Остановка по:"), m_stop);
    stopRow->addRow(Tr("Значение:"), m_stopValue);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormFilter::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormFilter::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CreateWeightsGroup());
    layout->addLayout(stopRow);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(560);

    connect(m_level, &QComboBox::currentIndexChanged, this, &TFormFilter::UpdateEnabled);
    connect(m_override, &QCheckBox::toggled, this, &TFormFilter::UpdateEnabled);
    ShowWeights(m_configured);
    UpdateEnabled();
}

QGroupBox* TFormFilter::CreateWeightsGroup() {
    auto* group = new QGroupBox(Tr(" Коэффициенты для расчета значений \"Вес\" "), this);
    m_override = new QCheckBox(Tr("Использовать свои коэффициенты"), group);
    m_override->setObjectName(QStringLiteral("chOverrideWeights"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_override, 0, 0, 1, 6);
    const QString labels[] = {Tr("Количество:"), Tr("Отклонение:"), Tr("Глубина:")};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QDoubleSpinBox(group);
        box->setObjectName(QStringLiteral("edCoef%1").arg(i + 1));
        box->setLocale(NumberLocale());
        box->setDecimals(3);
        box->setRange(-1e6, 1e6);
        grid->addWidget(new QLabel(labels[i], group), 1, i * 2);
        grid->addWidget(box, 1, i * 2 + 1);
        m_coefs[static_cast<std::size_t>(i)] = box;
    }
    m_percents = new QCheckBox(Tr("Использовать значения в %"), group);
    m_absolute = new QCheckBox(Tr("Использовать абсолютные значения"), group);
    grid->addWidget(m_percents, 2, 0, 1, 3);
    grid->addWidget(m_absolute, 2, 3, 1, 3);
    return group;
}

void TFormFilter::ShowWeights(const TWeightCoefs& weights) {
    m_coefs[0]->setValue(static_cast<double>(weights.CoefCount));
    m_coefs[1]->setValue(static_cast<double>(weights.CoefDeviation));
    m_coefs[2]->setValue(static_cast<double>(weights.CoefLevel));
    m_shown = weights;
    for (std::size_t i = 0; i < m_coefs.size(); ++i) m_shownValues[i] = m_coefs[i]->value();
    m_percents->setChecked(weights.UsePercents);
    m_absolute->setChecked(weights.UseAbsValues);
}

void TFormFilter::UpdateEnabled() {
    const int mode = m_level->currentIndex();
    const bool weightMode = mode >= kFirstWeightMode && mode <= kLastWeightMode;
    m_override->setEnabled(weightMode);
    const bool own = weightMode && m_override->isChecked();
    for (QDoubleSpinBox* box : m_coefs) box->setEnabled(own);
    m_percents->setEnabled(own);
    m_absolute->setEnabled(own);
}

void TFormFilter::Load(const TFilterItem& item) {
    if (!item.Active) return;
    int entry = 0;
    if (item.Method) {
        const int method = static_cast<int>(item.Method - &m_registry.Method(0));
        entry = std::max(0, m_method->findData(method));
    }
    m_method->setCurrentIndex(m_method->count() ? entry : -1);
    if (!item.WindowText.empty()) m_window->setText(Q(item.WindowText));
    if (!item.LevelText.empty()) m_levelText->setText(Q(item.LevelText));
    m_sort->setCurrentIndex(std::clamp(item.SortColumn, 0, m_sort->count() - 1));
    m_direction->setCurrentIndex(item.BottomUp ? 1 : 0);
    m_keep->setCurrentIndex(item.Keep ? 1 : 0);
    m_multiSelect->setChecked(item.MultiSelect);
    m_level->setCurrentIndex(std::min<int>(item.LevelMode, LevelModeCount - 1));
    m_override->setChecked(item.OverrideWeights);
    ShowWeights(item.OverrideWeights ? item.Weights : m_configured);
    m_stop->setCurrentIndex(std::min<int>(item.StopMode, StopModeCount - 1));
    m_stopValue->setValue(std::max(1, item.StopValue));
    UpdateEnabled();
}

const TStatMethod* TFormFilter::SelectedMethod() const {
    const QVariant entry = m_method->currentData();
    if (!entry.isValid()) return nullptr;
    const int index = entry.toInt();
    return index >= 0 && index < m_registry.MethodCount() ? &m_registry.Method(index) : nullptr;
}

bool TFormFilter::Validate() {
    const auto fail = [this](const QString& text, QWidget* control) {
        TMessages::ShowError(text, this);
        control->setFocus();
        return false;
    };
    if (!ValidList(m_window->text(), true)) return fail(Tr(kBadList), m_window);
    if (m_level->currentIndex() != 0) {
        const TStatMethod* method = SelectedMethod();
        if (m_level->currentIndex() == kValueListMode &&
            !(method && method->StatClass->HasValueList)) {
            return fail(Tr("Для данного вида статистики не доступен режим выделения "
                           "по списку значений!"),
                        m_level);
        }
        if (!ValidList(m_levelText->text(), false)) {
            return fail(Tr(kBadList), m_levelText);
        }
    }
    if (m_multiSelect->isChecked() && m_stop->currentIndex() == kStopByCombinations) {
        return fail(Tr("В режиме мультивыделения остановка сценария по количеству "
                       "комбинаций или чисел не может быть выполнена!\rВыберите "
                       "другой способ останова."),
                    m_stop);
    }
    return true;
}

TFilterItem TFormFilter::Result() const {
    TFilterItem item;
    item.Active = true;
    item.Method = SelectedMethod();
    item.WindowText = m_window->text().trimmed().toStdString();
    if (item.Method) item.CodeText = TStatList::MethodCode(*item.Method) + ":" + item.WindowText;
    item.SortColumn = m_sort->currentIndex();
    item.BottomUp = m_direction->currentIndex() == 1;
    item.Keep = m_keep->currentIndex() == 1;
    item.MultiSelect = m_multiSelect->isChecked();
    item.LevelMode = static_cast<std::uint8_t>(m_level->currentIndex());
    item.LevelText = m_levelText->text().trimmed().toStdString();
    // The weights also order the "Вес" column, which any mode may sort by: an item keeps its
    // own weights whatever its selection mode, even while the box is greyed out.
    item.OverrideWeights = m_override->isChecked();
    if (item.OverrideWeights) {
        const auto coefficient = [this](std::size_t i, long double shown) {
            const double value = m_coefs[i]->value();
            return value == m_shownValues[i] ? shown : static_cast<long double>(value);
        };
        item.Weights = {coefficient(0, m_shown.CoefCount), coefficient(1, m_shown.CoefDeviation),
                        coefficient(2, m_shown.CoefLevel), m_percents->isChecked(),
                        m_absolute->isChecked()};
    }
    item.StopMode = static_cast<std::uint8_t>(m_stop->currentIndex());
    item.StopValue = m_stopValue->value();
    return item;
}

void TFormFilter::accept() {
    if (Validate()) QDialog::accept();
}

}  // namespace mv::gui
