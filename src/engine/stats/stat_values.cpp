#include "engine/stats/stat_values.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "engine/core/game.h"

namespace mv {

void AddValue(TStatDrawArray& values, const TStatValueRec& v, bool trackPeriods) {
    for (TStatValueRec& e : values) {
        if (e.Key != v.Key) continue;
        e.Count += v.Count;
        if (e.Depth == 0 || (v.Depth > 0 && v.Depth <= e.Depth)) {
            e.LastDraw = v.LastDraw;
            e.Depth = v.Depth;
        }
        if (trackPeriods && v.LastDraw > 0 && e.PrevDraw > 0) {
            const auto d = static_cast<std::uint16_t>(std::abs(e.PrevDraw - v.LastDraw));
            if (d < e.PeriodMin || e.PeriodMin == 0) e.PeriodMin = d;
            if (d > e.PeriodMax || e.PeriodMax == 0) e.PeriodMax = d;
        }
        e.PrevDraw = v.LastDraw;
        return;
    }
    TStatValueRec copy = v;
    copy.Norm = 0;
    values.push_back(copy);
}

void AddDrawValues(TStatDrawArray& values, TStatValueRec v, const TValueKey* keys, int count) {
    for (int i = 0; i < count; ++i) {
        v.Key = keys[i];
        AddValue(values, v, std::find(keys, keys + i, keys[i]) == keys + i);
    }
}

TStatTotals StatTotals(const TStatDrawArray& values) {
    TStatTotals t;
    t.MinCount = std::numeric_limits<std::int32_t>::max();
    for (const TStatValueRec& v : values) {
        t.MinCount = std::min(t.MinCount, v.Count);
        t.MaxCount = std::max(t.MaxCount, v.Count);
        t.MaxDepth = std::max(t.MaxDepth, v.Depth);
        t.Total += v.Count;
    }
    return t;
}

bool KeyLess(const TValueKey& a, const TValueKey& b) {
    const auto k1a = static_cast<std::uint16_t>(a.K(1));
    const auto k1b = static_cast<std::uint16_t>(b.K(1));
    if (k1a != k1b) return k1a < k1b;
    for (int part = 2; part <= 4; ++part) {
        if (a.K(part) != b.K(part)) return a.K(part) < b.K(part);
    }
    return false;
}

void SortByKey(TStatDrawArray& values) {
    std::stable_sort(values.begin(), values.end(),
                     [](const TStatValueRec& a, const TStatValueRec& b) { return KeyLess(a.Key, b.Key); });
}

bool HasKey(const TStatDrawArray& selected, const TValueKey& key) {
    return std::any_of(selected.begin(), selected.end(),
                       [&](const TStatValueRec& s) { return s.Key == key; });
}

bool HasK1K3(const TStatDrawArray& selected, const TValueKey& key) {
    return std::any_of(selected.begin(), selected.end(), [&](const TStatValueRec& s) {
        return s.Key.K(1) == key.K(1) && s.Key.K(3) == key.K(3);
    });
}

bool HasPart(const TStatDrawArray& selected, int part, std::int32_t value) {
    return std::any_of(selected.begin(), selected.end(),
                       [&](const TStatValueRec& s) { return s.Key.K(part) == value; });
}

std::array<std::uint8_t, 256> SelectedK1Table(const TStatDrawArray& selected) {
    std::array<std::uint8_t, 256> table{};
    for (const TStatValueRec& s : selected) {
        const int k1 = s.Key.K1();
        if (k1 >= 0 && k1 < 256) table[static_cast<std::size_t>(k1)] = 1;
    }
    return table;
}

bool HasByte(const TStatDrawArray& selected, int index, std::int32_t value) {
    return std::any_of(selected.begin(), selected.end(),
                       [&](const TStatValueRec& s) { return s.Key.Byte(index) == value; });
}

bool HasHalf(const TStatDrawArray& selected, int type, std::int32_t value) {
    return std::any_of(selected.begin(), selected.end(), [&](const TStatValueRec& s) {
        return (type == 1 ? s.Key.K1K2() : s.Key.K3K4()) == value;
    });
}

void AddSimple(TStatSimpleArray& array, std::int32_t key, std::int32_t count) {
    for (TStatSimplePair& p : array) {
        if (p.Key == key) {
            p.Count += count;
            return;
        }
    }
    array.push_back({key, count});
}

void SortSimple(TStatSimpleArray& array) {
    std::stable_sort(array.begin(), array.end(),
                     [](const TStatSimplePair& a, const TStatSimplePair& b) { return a.Key < b.Key; });
}

TDrawRec DrawAt(const TDrawsArray& draws, int index, bool sorted) {
    if (index < 0 || index >= static_cast<int>(draws.size())) return {};
    TDrawRec d = draws[static_cast<std::size_t>(index)];
    if (sorted) SortNumbers(d);
    return d;
}

}  // namespace mv
