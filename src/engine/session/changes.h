#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace mv {

// What an operation of the workspace changed; listeners get a set of these bits.
enum TChange : unsigned {
    chArchive = 1u << 0,   // draws added, replaced, deleted, imported or read
    chOffset = 1u << 1,    // the number of hidden latest draws
    chList = 1u << 2,      // the working list, its undo copy, buffer or operations list
    chScenario = 1u << 3,  // the current scenario's lines
    chSettings = 1u << 4,  // the configuration, sorted draws, the full-set comparison option
    chStakes = 1u << 5,    // the stakes file: stakes added, checked, deleted, the file reset

    chRatings = 1u << 8,  // the ratings: stakes added by a check, rebuilt, loaded or sorted

    // The method list: rebuilt, or its favourites, user names or display options changed.
    chMethods = 1u << 12,
};
using TChanges = unsigned;
using TChangeListener = std::function<void(TChanges)>;

// The listeners of one workspace. A listener may unsubscribe itself (or another one) while
// being notified; a listener added during a notification hears the next one.
class TChangeListeners {
public:
    int Subscribe(TChangeListener listener) {
        m_entries.push_back({++m_lastHandle, std::move(listener)});
        return m_lastHandle;
    }
    void Unsubscribe(int handle) {
        for (TEntry& e : m_entries) {
            if (e.Handle == handle) e.Listener = nullptr;
        }
    }
    void Notify(TChanges changes) const {
        if (changes == 0) return;
        const std::size_t count = m_entries.size();
        for (std::size_t i = 0; i < count && i < m_entries.size(); ++i) {
            // A copy: the listener may unsubscribe itself while it runs.
            const TChangeListener listener = m_entries[i].Listener;
            if (listener) listener(changes);
        }
    }

private:
    struct TEntry {
        int Handle;
        TChangeListener Listener;
    };
    std::vector<TEntry> m_entries;
    int m_lastHandle = 0;
};

}  // namespace mv
