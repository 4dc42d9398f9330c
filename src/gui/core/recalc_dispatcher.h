#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace mv::gui {

// Keeps the analysis views current. Each view registers the page it lives on, a function
// giving the values its computation depends on (archive length, draws offset, window length,
// chosen method, ...) and the computation itself. A view recomputes only when its page is
// showing and either the call is forced or its inputs differ from those of its last
// computation.
class TRecalcDispatcher {
public:
    using TInputs = std::vector<long long>;

    void Register(const QString& name, QWidget* page, std::function<TInputs()> inputs,
                  std::function<void()> compute);
    // Runs the views in registration order; does nothing while suppressed.
    void Recalculate(bool force);
    // The same for the one view of that name: what a view does about a change of its own
    // inputs, leaving the other views to theirs.
    void Recalculate(const QString& name, bool force);
    // Recomputes one view now, whether or not its page is showing.
    void Force(const QString& name);
    // Forgets every view's last inputs, so that the next call computes each of them.
    void Invalidate();
    // The same for one view: it computes the next time it is asked while showing (a change
    // that its inputs do not reflect).
    void Invalidate(const QString& name);

    bool Suppressed = false;
    // How many times a view was computed (for the status of a view, and for tests).
    int ComputeCount(const QString& name) const;

private:
    struct TView {
        QString Name;
        QWidget* Page = nullptr;
        std::function<TInputs()> Inputs;
        std::function<void()> Compute;
        std::optional<TInputs> Last;
        int Count = 0;
    };
    void Run(TView& view);
    void RecalculateView(TView& view, bool force);
    std::vector<TView> m_views;
};

}  // namespace mv::gui
