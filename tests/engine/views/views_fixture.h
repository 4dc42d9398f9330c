#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/records.h"

namespace mv::test {

inline TDrawRec Draw(std::int32_t number, std::array<std::uint8_t, 5> nums, std::uint8_t extra = 1,
                     const std::string& date = "01.01.2024") {
    TDrawRec d;
    d.Number = number;
    d.Nums = nums;
    d.Extra = extra;
    d.SetDate(date);
    return d;
}

}  // namespace mv::test
