#pragma once

#include <QDialog>
#include <optional>

#include "engine/core/records.h"

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

namespace mv::gui {

class TProfitGrid;
class TSegmentGrid;

// The dialog "Параметры системы": edits a copy of the analysis and stake settings.
// `MaxStake` is not shown in this game and passes through unchanged.
class TFormConfig : public QDialog {
    Q_OBJECT

public:
    TFormConfig(const TConfigData& current, QWidget* parent = nullptr);

    // Runs the dialog; the edited settings after OK, nothing after Cancel.
    static std::optional<TConfigData> Edit(const TConfigData& current, QWidget* parent);

    // The settings as OK takes them from the controls.
    TConfigData Result() const;

    QDoubleSpinBox* CostEdit() const { return m_cost; }
    TProfitGrid* ProfitGrid() const { return m_profits; }
    QSpinBox* MatrixColsEdit() const { return m_matrixCols; }
    QLineEdit* MatrixRowsBox() const { return m_matrixRows; }
    TSegmentGrid* SegmentGrid() const { return m_segments; }
    QSpinBox* ChannelSizeEdit() const { return m_channelSize; }

    // The address of the operator's results workbook, kept in the configuration file apart
    // from the analysis settings: the caller fills it in and stores what OK leaves there.
    void SetDrawsUrl(const QString& url);
    QString DrawsUrl() const;
    QLineEdit* DrawsUrlEdit() const { return m_drawsUrl; }

private:
    // A calculator field and the value it was filled with: a field the user leaves alone
    // gives back the stored value exactly, not its rounded display.
    struct TFloatField {
        QDoubleSpinBox* Box = nullptr;
        long double Stored = 0;
        double Shown = 0;
        long double Value() const;
    };

    QGroupBox* CreateStakesGroup();
    QGroupBox* CreateWeightsGroup();
    QGroupBox* CreateMatrixGroup();
    QGroupBox* CreateDownloadGroup();
    TFloatField CreateFloatField(const QString& name, int decimals, double minimum, double maximum,
                                 long double value);
    void MatrixColsChanged(int cols);

    TConfigData m_source;
    QLineEdit* m_drawsUrl = nullptr;
    QDoubleSpinBox* m_cost = nullptr;
    TFloatField m_costField;
    TProfitGrid* m_profits = nullptr;
    TFloatField m_coefCount;
    TFloatField m_coefDeviation;
    TFloatField m_coefLevel;
    QCheckBox* m_usePercents = nullptr;
    QCheckBox* m_useAbsValues = nullptr;
    QSpinBox* m_matrixCols = nullptr;
    QLineEdit* m_matrixRows = nullptr;
    TSegmentGrid* m_segments = nullptr;
    QSpinBox* m_channelSize = nullptr;
};

}  // namespace mv::gui
