#pragma once
#include <cstdint>
#include <vector>

// Values kept for some of a drawing's element ids: a slot number per id and the values packed,
// so that a lookup is two array reads instead of a hash and a walk along a bucket. Freed slots
// are used again. Growing may throw std::bad_alloc, as the containers do.
template <typename T> class IdSlots {
public:
    [[nodiscard]] const T* find(int id) const
    {
        if (id < 1 || static_cast<size_t>(id) >= slotOf.size() || slotOf[id] == 0)
            return nullptr;
        return &values[slotOf[id] - 1];
    }
    void set(int id, const T& value)
    {
        if (id < 1)
            return;
        if (static_cast<size_t>(id) >= slotOf.size())
            slotOf.resize(static_cast<size_t>(id) + 1 + slotOf.size() / 2, 0);
        if (slotOf[id] != 0) {
            values[slotOf[id] - 1] = value;
            return;
        }
        if (!freed.empty()) {
            slotOf[id] = freed.back();
            freed.pop_back();
            values[slotOf[id] - 1] = value;
        } else {
            values.push_back(value);
            slotOf[id] = static_cast<int32_t>(values.size());
        }
        ++live;
    }
    void erase(int id)
    {
        if (id < 1 || static_cast<size_t>(id) >= slotOf.size() || slotOf[id] == 0)
            return;
        freed.push_back(slotOf[id]);
        slotOf[id] = 0;
        if (--live == 0)
            clear();
    }
    void clear()
    {
        slotOf.clear();
        values.clear();
        freed.clear();
        live = 0;
    }

private:
    std::vector<int32_t> slotOf; // by id: 1 + the value's place, 0 for none
    std::vector<T> values;
    std::vector<int32_t> freed;
    size_t live = 0;
};
