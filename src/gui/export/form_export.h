#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "engine/export/export_params.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace mv::gui {

// "Параметры поля": one report column's heading, alignment and width.
class TFormExportField : public QDialog {
    Q_OBJECT

public:
    TFormExportField(const TExportField& field, QWidget* parent = nullptr);
    // The field with what the dialog holds: the width as text with two decimals.
    TExportField Result() const;

    QLineEdit* CaptionEdit() const { return m_caption; }
    QComboBox* AlignmentBox() const { return m_alignment; }
    QDoubleSpinBox* WidthEdit() const { return m_width; }

private:
    TExportField m_field;
    QLineEdit* m_caption;
    QComboBox* m_alignment;
    QDoubleSpinBox* m_width;
};

// "Экспорт в Microsoft Excel": what a report holds and how it looks, before it is written.
class TFormExport : public QDialog {
    Q_OBJECT

public:
    // `section`: the section of the source's parameters in the configuration and parameter
    // files. `remembered`: the parameters are kept in the configuration file, so the dialog
    // offers its check box and the parameter files.
    TFormExport(const TExportParams& params, std::string section, std::size_t allRows,
                std::size_t selectedRows, bool remembered, QWidget* parent = nullptr);

    TExportParams Params() const;

    // Restores the parameters of a parameter file (its title included); a file of another
    // source changes nothing. Errors are shown, the dialog stays as it was.
    void LoadFromFile(const QString& file);
    // Saves the parameters to a parameter file, without "RestoreParameters".
    void SaveToFile(const QString& file);
    // Asks for a parameter file to open (save = false) or to write; empty when cancelled.
    // Tests replace it.
    std::function<QString(bool save)> ChooseFile;
    // Opens "Параметры поля" for a field; tests replace it (as the dialog runner cannot
    // reach a dialog this dialog opens itself).
    std::function<bool(TFormExportField&)> RunFieldDialog;

    // The fields' list (checked ones first) and its commands.
    QTreeWidget* FieldList() const { return m_fields; }
    void MoveField(int delta);
    void EditField();

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* NotesEdit() const { return m_notes; }
    QCheckBox* CreatedBox() const { return m_created; }
    QLineEdit* SheetEdit() const { return m_sheet; }
    QComboBox* OrientationBox() const { return m_orientation; }
    QSpinBox* FontSizeEdit() const { return m_fontSize; }
    QComboBox* RowsModeBox() const { return m_rowsMode; }
    QLabel* RowsLabel() const { return m_rowsCount; }
    QCheckBox* RestoreBox() const { return m_restore; }

private:
    void SetParams(const TExportParams& params);
    void ShowFields(int current);
    void FieldClicked(int row);
    void ShowRowCount();

    std::string m_section;
    std::size_t m_allRows;
    std::size_t m_selectedRows;
    std::vector<TExportField> m_fieldData;
    bool m_filling = false;

    QLineEdit* m_title;
    QLineEdit* m_notes;
    QCheckBox* m_created;
    QLineEdit* m_sheet;
    QComboBox* m_orientation;
    QSpinBox* m_fontSize;
    QComboBox* m_rowsMode;
    QLabel* m_rowsCount;
    QTreeWidget* m_fields;
    QCheckBox* m_restore;
    QPushButton* m_paramsButton;
};

}  // namespace mv::gui
