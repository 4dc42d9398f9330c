#pragma once

#include "engine/stats/stat_list.h"

namespace mv::fuzz {

// The statistic-method registry, built once: building the method list is the slow part of the
// harnesses that read method codes. Harnesses that change a registry take a copy.
inline const TStatList& BuiltRegistry() {
    static const TStatList registry = [] {
        TStatList r;
        r.BuildMethods();
        return r;
    }();
    return registry;
}

}  // namespace mv::fuzz
