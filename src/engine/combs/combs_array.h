#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

#include "engine/core/records.h"

namespace mv {

// A flat list of combinations: one allocation, a separate count, entries past the count are
// garbage. The allocation only grows (Reserve, Append, CopyFrom), so a list preallocated for
// the full set never reallocates while it is generated or filtered. Copies between lists are
// plain memory copies. Not copyable by accident: use CopyFrom.
//
// Allocation failures throw std::bad_alloc and leave the list as it was.
class TCombsArray {
public:
    TCombsArray() = default;
    explicit TCombsArray(std::size_t capacity) { Reserve(capacity); }
    TCombsArray(const TCombsArray&) = delete;
    TCombsArray& operator=(const TCombsArray&) = delete;
    TCombsArray(TCombsArray&&) noexcept = default;
    TCombsArray& operator=(TCombsArray&&) noexcept = default;

    std::size_t Count() const { return m_count; }
    bool Empty() const { return m_count == 0; }
    std::size_t Capacity() const { return m_capacity; }
    // The count may only be set within the allocation (Reserve first).
    void SetCount(std::size_t count);
    void Clear() { m_count = 0; }

    // Grows the allocation to at least `capacity` entries, keeping the first Count() ones.
    void Reserve(std::size_t capacity);
    // Frees the allocation; the count becomes 0.
    void Release();

    // Appends one combination, growing the allocation (by half again) when it is full.
    void Append(const TComb& comb) {
        if (m_count == m_capacity) Grow(m_count + 1);
        m_data.get()[m_count++] = comb;
    }
    // This list becomes a copy of `source`: the allocation grows to the source's allocation
    // first, then the entries are copied.
    void CopyFrom(const TCombsArray& source);

    TComb* Data() { return m_data.get(); }
    const TComb* Data() const { return m_data.get(); }
    TComb& operator[](std::size_t i) { return m_data.get()[i]; }
    const TComb& operator[](std::size_t i) const { return m_data.get()[i]; }
    TComb* begin() { return Data(); }
    TComb* end() { return Data() + m_count; }
    const TComb* begin() const { return Data(); }
    const TComb* end() const { return Data() + m_count; }

private:
    struct TFree {
        void operator()(TComb* p) const { std::free(p); }
    };
    void Grow(std::size_t needed);

    std::unique_ptr<TComb, TFree> m_data;
    std::size_t m_capacity = 0;
    std::size_t m_count = 0;
};

}  // namespace mv
