#include "engine/support/busy.h"

namespace mv {
namespace {
int g_busy = 0;

std::function<void(int)>& Observer() {
    static std::function<void(int)> observer;
    return observer;
}

void Notify() {
    if (Observer()) Observer()(g_busy);
}
}  // namespace

void BeginBusy() {
    ++g_busy;
    Notify();
}

void EndBusy() {
    if (g_busy > 0) --g_busy;
    Notify();
}

bool IsIdle() { return g_busy == 0; }
int BusyCount() { return g_busy; }
void SetBusyObserver(std::function<void(int)> observer) { Observer() = std::move(observer); }

}  // namespace mv
