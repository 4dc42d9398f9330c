#pragma once

#include <QDialog>
#include <vector>

#include "engine/online/script_catalog.h"

class QPushButton;
class QTreeWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

// "Оценки пользователей": every rating of a catalog entry, one row each, read-only.
class TFormScriptRates : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* ListName = "lvRates";

    explicit TFormScriptRates(const std::vector<TScriptRating>& ratings, QWidget* parent = nullptr);

    // The list's column widths, kept under the dialog's section of the window-settings file.
    void RestoreColumnWidths(const TWindowSettings& settings);
    void SaveColumnWidths(TWindowSettings& settings) const;

    QTreeWidget* List() const { return m_list; }
    QPushButton* CloseButton() const { return m_close; }

private:
    QTreeWidget* m_list;
    QPushButton* m_close;
};

}  // namespace mv::gui
