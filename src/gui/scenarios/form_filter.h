#pragma once

#include <QDialog>

#include "engine/stats/filter_item.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace mv::gui {

// "Фильтр": edits one filter item of a scenario line.
class TFormFilter : public QDialog {
    Q_OBJECT
public:
    // The statistic choices are copied from `methods` (the main statistics selector: texts
    // and registry indexes as item data), with its selection.
    TFormFilter(const TStatList& registry, const class QComboBox& methods, int windowLength,
                const TWeightCoefs& configured, QWidget* parent = nullptr);

    void Load(const TFilterItem& item);
    // The checks of OK in order; the first failure shows its message, focuses its control and
    // gives false.
    bool Validate();
    TFilterItem Result() const;

    QComboBox* MethodBox() const { return m_method; }
    QLineEdit* WindowEdit() const { return m_window; }
    QComboBox* SortBox() const { return m_sort; }
    QComboBox* DirectionBox() const { return m_direction; }
    QComboBox* KeepBox() const { return m_keep; }
    QCheckBox* MultiSelectBox() const { return m_multiSelect; }
    QComboBox* LevelBox() const { return m_level; }
    QLineEdit* LevelEdit() const { return m_levelText; }
    QCheckBox* OverrideBox() const { return m_override; }
    QComboBox* StopBox() const { return m_stop; }
    QSpinBox* StopValueBox() const { return m_stopValue; }
    QDoubleSpinBox* CoefficientBox(int i) const { return m_coefs[static_cast<std::size_t>(i)]; }
    QCheckBox* PercentsBox() const { return m_percents; }
    QCheckBox* AbsoluteBox() const { return m_absolute; }

public slots:
    void accept() override;

private:
    QGroupBox* CreateWeightsGroup();
    void ShowWeights(const TWeightCoefs& weights);
    void UpdateEnabled();
    const TStatMethod* SelectedMethod() const;

    const TStatList& m_registry;
    TWeightCoefs m_configured;
    // The coefficients last shown and the boxes' values right after: a box left alone gives
    // back the coefficient exactly, not its display rounded to three decimals.
    TWeightCoefs m_shown;
    std::array<double, 3> m_shownValues{};
    QComboBox* m_method;
    QLineEdit* m_window;
    QComboBox* m_sort;
    QComboBox* m_direction;
    QComboBox* m_keep;
    QCheckBox* m_multiSelect;
    QComboBox* m_level;
    QLineEdit* m_levelText;
    QCheckBox* m_override = nullptr;
    std::array<QDoubleSpinBox*, 3> m_coefs{};
    QCheckBox* m_percents = nullptr;
    QCheckBox* m_absolute = nullptr;
    QComboBox* m_stop;
    QSpinBox* m_stopValue;
};

}  // namespace mv::gui
