#include "engine/combs/combs_array.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>

namespace mv {

// The entries live in raw memory from malloc: TComb is an implicit-lifetime type, so the
// allocation needs no constructor pass over 1.9 MB, and pages never written stay untouched.
static_assert(std::is_trivially_copyable_v<TComb>);

namespace {
// Room past the last entry, so that a kernel moving combinations as 8-byte words may read
// and write a little past the last one without leaving the allocation.
constexpr std::size_t kSlackBytes = 8;
}  // namespace

void TCombsArray::SetCount(std::size_t count) {
    if (count > m_capacity) throw std::length_error("TCombsArray::SetCount past the allocation");
    m_count = count;
}

void TCombsArray::Reserve(std::size_t capacity) {
    if (capacity <= m_capacity) return;
    if (capacity > (SIZE_MAX - kSlackBytes) / sizeof(TComb)) throw std::bad_alloc();
    void* block = std::malloc(capacity * sizeof(TComb) + kSlackBytes);
    if (!block) throw std::bad_alloc();
    auto* fresh = static_cast<TComb*>(block);
    if (m_count > 0) std::memcpy(fresh, m_data.get(), m_count * sizeof(TComb));
    m_data.reset(fresh);
    m_capacity = capacity;
}

void TCombsArray::Release() {
    m_data.reset();
    m_capacity = 0;
    m_count = 0;
}

void TCombsArray::Grow(std::size_t needed) {
    Reserve(std::max({needed, m_capacity + m_capacity / 2, std::size_t{16}}));
}

void TCombsArray::CopyFrom(const TCombsArray& source) {
    if (&source == this) return;
    Reserve(source.m_capacity);
    if (source.m_count > 0) std::memcpy(Data(), source.Data(), source.m_count * sizeof(TComb));
    m_count = source.m_count;
}

}  // namespace mv
