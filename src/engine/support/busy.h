#pragma once

#include <functional>

namespace mv {

// The process-wide busy counter. A long operation raises it for its whole run; while it is
// above zero every command of the program is disabled, so nothing can start from inside an
// operation that lets pending events run. Used on the user-interface thread only.
void BeginBusy();
// Lowers the counter; never below zero.
void EndBusy();
bool IsIdle();
int BusyCount();
// Called after every change of the counter with the new value (the desktop program sets the
// wait cursor and refreshes its actions there). An empty function removes the observer.
void SetBusyObserver(std::function<void(int)> observer);

// Raises the counter for its lifetime, lowering it also when the work throws.
class TBusyGuard {
public:
    TBusyGuard() { BeginBusy(); }
    ~TBusyGuard() { EndBusy(); }
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;
};

}  // namespace mv
