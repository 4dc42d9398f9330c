#pragma once

namespace mv {

// A window of recent visible draws as archive indices (0 is the oldest): it ends `offset`
// draws before the newest and holds `length` draws, or every draw from the oldest when the
// archive is shorter. Empty (Last < First) for an empty archive or an offset past its start.
struct TDrawWindow {
    int First = 0;
    int Last = -1;
    bool Empty() const { return Last < First; }
    int Size() const { return Empty() ? 0 : Last - First + 1; }
};

inline TDrawWindow RecentDrawsWindow(int drawCount, int offset, int length) {
    TDrawWindow w;
    w.Last = drawCount - 1 - (offset > 0 ? offset : 0);
    if (w.Last < 0 || length < 1) return {0, -1};
    w.First = w.Last - length + 1 < 0 ? 0 : w.Last - length + 1;
    return w;
}

}  // namespace mv
