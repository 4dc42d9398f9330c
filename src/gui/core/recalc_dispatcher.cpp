#include "gui/core/recalc_dispatcher.h"

#include <QWidget>

namespace mv::gui {

void TRecalcDispatcher::Register(const QString& name, QWidget* page,
                                 std::function<TInputs()> inputs, std::function<void()> compute) {
    m_views.push_back({name, page, std::move(inputs), std::move(compute), std::nullopt, 0});
}

void TRecalcDispatcher::Run(TView& view) {
    view.Last = view.Inputs();
    ++view.Count;
    view.Compute();
}

void TRecalcDispatcher::RecalculateView(TView& view, bool force) {
    // A page showing inside a hidden tab widget counts as hidden.
    if (!view.Page || !view.Page->isVisibleTo(view.Page->window()) ||
        !view.Page->window()->isVisible()) {
        return;
    }
    if (force || !view.Last || *view.Last != view.Inputs()) Run(view);
}

void TRecalcDispatcher::Recalculate(bool force) {
    if (Suppressed) return;
    for (TView& view : m_views) RecalculateView(view, force);
}

void TRecalcDispatcher::Recalculate(const QString& name, bool force) {
    if (Suppressed) return;
    for (TView& view : m_views) {
        if (view.Name == name) RecalculateView(view, force);
    }
}

void TRecalcDispatcher::Force(const QString& name) {
    for (TView& view : m_views) {
        if (view.Name == name) Run(view);
    }
}

void TRecalcDispatcher::Invalidate() {
    for (TView& view : m_views) view.Last.reset();
}

void TRecalcDispatcher::Invalidate(const QString& name) {
    for (TView& view : m_views) {
        if (view.Name == name) view.Last.reset();
    }
}

int TRecalcDispatcher::ComputeCount(const QString& name) const {
    for (const TView& view : m_views) {
        if (view.Name == name) return view.Count;
    }
    return 0;
}

}  // namespace mv::gui
