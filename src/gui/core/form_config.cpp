#include "gui/core/form_config.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "engine/support/config_file.h"
#include "gui/core/config_grids.h"
#include "gui/support/number_locale.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr double MaxCost = 99999999.99;
constexpr double MaxCoef = 999999.999;
constexpr int MinChannelSize = 2;

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

long double TFormConfig::TFloatField::Value() const {
    return Box->value() == Shown ? Stored : static_cast<long double>(Box->value());
}

TFormConfig::TFormConfig(const TConfigData& current, QWidget* parent)
    : QDialog(parent), m_source(current) {
    setObjectName(QStringLiteral("TFormConfig"));
    setWindowTitle(Tr("Параметры системы"));
    auto* left = new QVBoxLayout;
    left->addWidget(CreateStakesGroup());
    left->addWidget(CreateWeightsGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(CreateMatrixGroup());
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateDownloadGroup());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* TFormConfig::CreateDownloadGroup() {
    auto* group = new QGroupBox(Tr("Загрузка архива тиражей"));
    m_drawsUrl = new QLineEdit;
    m_drawsUrl->setObjectName(QStringLiteral("edDrawsUrl"));
    m_drawsUrl->setPlaceholderText(QStringLiteral("https://..."));
    m_drawsUrl->setToolTip(Tr("Адрес файла результатов тиражей (xlsx) на сайте лотереи"));
    auto* form = new QFormLayout(group);
    form->addRow(BuddyLabel(Tr("Адрес файла тиражей:"), m_drawsUrl), m_drawsUrl);
    return group;
}

void TFormConfig::SetDrawsUrl(const QString& url) {
    m_drawsUrl->setText(url);
}

QString TFormConfig::DrawsUrl() const {
    return m_drawsUrl->text().trimmed();
}

std::optional<TConfigData> TFormConfig::Edit(const TConfigData& current, QWidget* parent) {
    TFormConfig form(current, parent);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Result();
}

TFormConfig::TFloatField TFormConfig::CreateFloatField(const QString& name, int decimals,
                                                       double minimum, double maximum,
                                                       long double value) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setLocale(NumberLocale());
    box->setDecimals(decimals);
    box->setRange(minimum, maximum);
    box->setGroupSeparatorShown(true);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignRight);
    box->setAccelerated(true);
    box->setValue(static_cast<double>(value));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    return {box, value, box->value()};
}

QGroupBox* TFormConfig::CreateStakesGroup() {
    auto* group = new QGroupBox(Tr("Ставки"));
    group->setObjectName(QStringLiteral("StakesGroup"));
    m_costField = CreateFloatField(QStringLiteral("Cost"), 2, 0, MaxCost,
                                   static_cast<long double>(m_source.Cost) / MoneyScale);
    m_cost = m_costField.Box;
    m_profits = new TProfitGrid(group);
    m_profits->SetProfits(m_source.Profits);
    auto* layout = new QGridLayout(group);
    layout->addWidget(BuddyLabel(Tr("Стоимость ставки:"), m_cost), 0, 0);
    layout->addWidget(m_cost, 0, 1);
    layout->addWidget(BuddyLabel(Tr("Размеры выигрышей:"), m_profits), 1, 0, 1, 2);
    layout->addWidget(m_profits, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

QGroupBox* TFormConfig::CreateWeightsGroup() {
    auto* group = new QGroupBox(Tr(" Коэффициенты для поля \"Вес\" "));
    group->setObjectName(QStringLiteral("WeightsGroup"));
    const TWeightCoefs& w = m_source.Weights;
    m_coefCount = CreateFloatField(QStringLiteral("CoefCount"), 3, -MaxCoef, MaxCoef, w.CoefCount);
    m_coefDeviation =
        CreateFloatField(QStringLiteral("CoefDeviation"), 3, -MaxCoef, MaxCoef, w.CoefDeviation);
    m_coefLevel = CreateFloatField(QStringLiteral("CoefLevel"), 3, -MaxCoef, MaxCoef, w.CoefLevel);
    m_usePercents = new QCheckBox(Tr("Использовать значения в %"));
    m_usePercents->setObjectName(QStringLiteral("UsePercents"));
    m_usePercents->setChecked(w.UsePercents);
    m_useAbsValues = new QCheckBox(Tr("Использовать абсолютные значения"));
    m_useAbsValues->setObjectName(QStringLiteral("UseAbsValues"));
    m_useAbsValues->setChecked(w.UseAbsValues);
    auto* layout = new QFormLayout(group);
    layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addRow(Tr("Количество:"), m_coefCount.Box);
    layout->addRow(Tr("Отклонение:"), m_coefDeviation.Box);
    layout->addRow(Tr("Глубина:"), m_coefLevel.Box);
    layout->addRow(m_usePercents);
    layout->addRow(m_useAbsValues);
    return group;
}

QGroupBox* TFormConfig::CreateMatrixGroup() {
    auto* group = new QGroupBox(Tr("Матрица и каналы"));
    group->setObjectName(QStringLiteral("MatrixGroup"));
    m_matrixCols = new QSpinBox;
    m_matrixCols->setObjectName(QStringLiteral("MatrixCols"));
    m_matrixCols->setRange(1, MaxNumber);
    m_matrixCols->setValue(std::clamp(m_source.MatrixCols, 1, MaxNumber));
    m_matrixRows = new QLineEdit;
    m_matrixRows->setObjectName(QStringLiteral("MatrixRows"));
    m_matrixRows->setReadOnly(true);
    m_matrixRows->setFocusPolicy(Qt::NoFocus);
    m_matrixRows->setAlignment(Qt::AlignRight);
    m_matrixRows->setFixedWidth(m_matrixCols->sizeHint().width());
    m_matrixRows->setText(QString::number(MatrixRows(m_matrixCols->value())));
    m_segments = new TSegmentGrid(group);
    m_segments->SetDigits(m_source.MatrixSegments, m_matrixCols->value());
    connect(m_matrixCols, &QSpinBox::valueChanged, this, &TFormConfig::MatrixColsChanged);
    m_channelSize = new QSpinBox;
    m_channelSize->setObjectName(QStringLiteral("ChannelSize"));
    m_channelSize->setRange(MinChannelSize, MaxNumber);
    m_channelSize->setValue(std::clamp(m_source.ChannelSize, MinChannelSize, MaxNumber));
    auto* size = new QHBoxLayout;
    size->addWidget(m_matrixCols);
    size->addWidget(new QLabel(QStringLiteral("×")));
    size->addWidget(m_matrixRows);
    size->addStretch(1);
    auto* layout = new QGridLayout(group);
    layout->addWidget(BuddyLabel(Tr("Размер матрицы:"), m_matrixCols), 0, 0);
    layout->addLayout(size, 0, 1);
    layout->addWidget(BuddyLabel(Tr("Сегменты матрицы:"), m_segments), 1, 0, 1, 2);
    // The grid shrinks around its cells; the place it sits in keeps the largest width, so
    // that the dialog does not change its width with the column count.
    auto* gridPlace = new QWidget;
    gridPlace->setMinimumWidth(m_segments->LargestWidth());
    auto* gridLayout = new QHBoxLayout(gridPlace);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(m_segments, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(gridPlace, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->addWidget(BuddyLabel(Tr("Размер канала:"), m_channelSize), 3, 0);
    layout->addWidget(m_channelSize, 3, 1, Qt::AlignLeft);
    return group;
}

void TFormConfig::MatrixColsChanged(int cols) {
    m_segments->SetColumns(cols);
    m_matrixRows->setText(QString::number(MatrixRows(cols)));
}

TConfigData TFormConfig::Result() const {
    TConfigData result = m_source;
    result.Cost =
        m_cost->value() == m_costField.Shown ? m_source.Cost : RoundMoney(m_cost->value());
    result.Profits = m_profits->Profits();
    result.Weights.CoefCount = m_coefCount.Value();
    result.Weights.CoefDeviation = m_coefDeviation.Value();
    result.Weights.CoefLevel = m_coefLevel.Value();
    result.Weights.UsePercents = m_usePercents->isChecked();
    result.Weights.UseAbsValues = m_useAbsValues->isChecked();
    result.MatrixCols = m_matrixCols->value();
    result.MatrixSegments = m_segments->Digits();
    result.ChannelSize = m_channelSize->value();
    return result;
}

}  // namespace mv::gui
