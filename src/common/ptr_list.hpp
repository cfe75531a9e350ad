#pragma once
// PtrList: the game's growable list of non-owning pointers, with its fixed growth policy: it starts
// with 64 slots, grows by 16 while below 257 slots and by a quarter from then on, and refuses to grow
// beyond 10000. The list never owns its items.

#include <algorithm>
#include <vector>

namespace burrowix {

template <typename T>
class PtrList {
public:
    static constexpr int kInitialCapacity = 64;
    static constexpr int kLimit = 10000;

    PtrList() : slots_(kInitialCapacity, nullptr) {}

    int count() const { return count_; }
    int capacity() const { return static_cast<int>(slots_.size()); }
    bool empty() const { return count_ == 0; }

    T* get(int i) const { return i >= 0 && i < count_ ? slots_[i] : nullptr; }
    T* first() const { return get(0); }
    T* last() const { return get(count_ - 1); }

    // Replaces item i; false (and nothing changes) outside the list.
    bool set(int i, T* p)
    {
        if (i < 0 || i >= count_)
            return false;
        slots_[i] = p;
        return true;
    }

    // Adds p at the end; its index, or -1 when the list may not grow.
    int append(T* p) { return insert(count_, p) ? count_ - 1 : -1; }

    // Puts p at index i (0..count), moving later items up.
    bool insert(int i, T* p)
    {
        if (i < 0 || i > count_ || !reserveFor(count_ + 1))
            return false;
        std::copy_backward(slots_.begin() + i, slots_.begin() + count_, slots_.begin() + count_ + 1);
        slots_[i] = p;
        ++count_;
        return true;
    }

    // Removes item i, moving later items down; the item itself is left alone.
    bool removeAt(int i)
    {
        if (i < 0 || i >= count_)
            return false;
        std::copy(slots_.begin() + i + 1, slots_.begin() + count_, slots_.begin() + i);
        slots_[--count_] = nullptr;
        return true;
    }

    bool swap(int i, int j)
    {
        if (i < 0 || i >= count_ || j < 0 || j >= count_)
            return false;
        std::swap(slots_[i], slots_[j]);
        return true;
    }

    // Takes the item at `from` out and puts it back at `to`.
    bool move(int from, int to)
    {
        if (from < 0 || from >= count_ || to < 0 || to >= count_)
            return false;
        if (from < to)
            std::rotate(slots_.begin() + from, slots_.begin() + from + 1, slots_.begin() + to + 1);
        else
            std::rotate(slots_.begin() + to, slots_.begin() + from, slots_.begin() + from + 1);
        return true;
    }

    int indexOf(const T* p) const
    {
        for (int i = 0; i < count_; ++i)
            if (slots_[i] == p)
                return i;
        return -1;
    }

    // Removes the first occurrence of p.
    bool removeValue(const T* p) { return removeAt(indexOf(p)); }

    void removeNulls()
    {
        auto end = std::remove(slots_.begin(), slots_.begin() + count_, nullptr);
        const int kept = static_cast<int>(end - slots_.begin());
        std::fill(end, slots_.begin() + count_, nullptr);
        count_ = kept;
    }

    // Shrinks or grows the list to n items; new slots are null.
    bool setCount(int n)
    {
        if (n < 0 || !reserveFor(n))
            return false;
        if (n < count_)
            std::fill(slots_.begin() + n, slots_.begin() + count_, nullptr);
        count_ = n;
        return true;
    }

    // Empties the list and drops its slots: the next append grows it to 16.
    void clear()
    {
        slots_.clear();
        slots_.shrink_to_fit();
        count_ = 0;
    }

    T* const* begin() const { return slots_.data(); }
    T* const* end() const { return slots_.data() + count_; }

private:
    // Grows by the policy's steps until n items fit; false when that would pass the limit.
    bool reserveFor(int n)
    {
        if (n > kLimit)
            return false;
        int cap = capacity();
        while (cap < n)
            cap += cap < 257 ? 16 : cap / 4;
        if (cap > kLimit)
            return false;
        if (cap != capacity())
            slots_.resize(cap, nullptr);
        return true;
    }

    std::vector<T*> slots_;
    int count_ = 0;
};

} // namespace burrowix
