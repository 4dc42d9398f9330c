#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "engine/views/layout.h"

class QAction;
class QHBoxLayout;
class QSplitter;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class TEnterSpinBox;
class TSortableListView;
class TTextGridModel;
class TViewGrid;

// The "Схема" tab: the layout of drawn numbers by count and last draw, and under a splitter
// the five comparison lists, each over a window of its own.
class TLayoutTab : public QWidget {
    Q_OBJECT
public:
    explicit TLayoutTab(QWidget* parent = nullptr);

    // Shows a computed layout; brackets mark hidden numbers.
    void ShowLayout(const TLayoutGrid& grid);
    // Shows a comparison list; an empty caption keeps the list's caption.
    void ShowCompareList(int list, const TCompareList& content);

    int WindowLength() const;
    int CompareLength(int list) const;
    // Whether the body cell (model coordinates) holds a hidden number.
    bool Bracketed(int row, int column) const;

    TViewGrid* Grid() const { return m_grid; }
    TTextGridModel* Model() const { return m_model; }
    TEnterSpinBox* WindowBox() const { return m_window; }
    TEnterSpinBox* CompareBox(int list) const {
        return m_compareBoxes[static_cast<std::size_t>(list)];
    }
    TSortableListView* CompareList(int list) const {
        return m_lists[static_cast<std::size_t>(list)];
    }

    void AddToolAction(QAction* action);
    void AddCompareAction(QAction* action);
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    // Enter on a valid layout window length.
    void LayoutRequested();
    // Enter on a valid comparison window length.
    void CompareRequested();

private:
    TViewGrid* m_grid;
    TTextGridModel* m_model;
    TEnterSpinBox* m_window;
    QHBoxLayout* m_top;
    QHBoxLayout* m_compareTop;
    QSplitter* m_splitter;
    std::array<TEnterSpinBox*, LayoutCompareLists> m_compareBoxes{};
    std::array<TSortableListView*, LayoutCompareLists> m_lists{};
    std::vector<std::vector<bool>> m_bracketed;
};

}  // namespace mv::gui
