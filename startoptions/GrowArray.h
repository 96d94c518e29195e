#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

// A growable array of records held by value in one contiguous block. Whenever the count changes,
// the block is resized to the count rounded up to a multiple of 16 entries, so appending one entry
// at a time reallocates only every 16th time, and an empty array holds no block at all.
// Entries move when the block is resized: references from operator[] or Append() are valid only
// until the next Append() or RemoveAt().
template <typename T>
class GrowArray {
public:
    static constexpr int32_t kGranule = 16;

    GrowArray() = default;
    GrowArray(const GrowArray& other) { CopyFrom(other); }
    GrowArray(GrowArray&& other) noexcept { Steal(other); }
    ~GrowArray() { Clear(); }

    GrowArray& operator=(const GrowArray& other) {
        if (this != &other) {
            Clear();
            CopyFrom(other);
        }
        return *this;
    }
    GrowArray& operator=(GrowArray&& other) noexcept {
        if (this != &other) {
            Clear();
            Steal(other);
        }
        return *this;
    }

    int32_t Count() const { return count_; }
    int32_t Capacity() const { return capacity_; }  // entries the block holds

    T& operator[](int32_t i) { return entries_[i]; }  // unchecked: 0 <= i < Count()
    const T& operator[](int32_t i) const { return entries_[i]; }
    T* begin() { return entries_; }
    T* end() { return entries_ + count_; }
    const T* begin() const { return entries_; }
    const T* end() const { return entries_ + count_; }

    // Constructs a default entry at the end and returns it for the caller to fill.
    T& Append() {
        Resize(count_ + 1);
        T* entry = ::new (static_cast<void*>(entries_ + count_)) T();
        ++count_;
        return *entry;
    }

    // Destroys entry i (unchecked) and closes the gap, keeping the order of the others.
    void RemoveAt(int32_t i) {
        std::move(entries_ + i + 1, entries_ + count_, entries_ + i);
        std::destroy_at(entries_ + count_ - 1);
        --count_;
        Resize(count_);
    }

    // Destroys every entry and frees the block.
    void Clear() {
        std::destroy_n(entries_, count_);
        ::operator delete(entries_);
        entries_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

private:
    static int32_t RoundedCapacity(int32_t count) {
        return (count + kGranule - 1) / kGranule * kGranule;
    }

    // Gives the block room for exactly RoundedCapacity(count) entries; keeps the first count_.
    void Resize(int32_t count) {
        int32_t capacity = RoundedCapacity(count);
        if (capacity == capacity_) {
            return;
        }
        T* block = capacity == 0 ? nullptr : static_cast<T*>(::operator new(sizeof(T) * capacity));
        std::uninitialized_move_n(entries_, count_, block);
        std::destroy_n(entries_, count_);
        ::operator delete(entries_);
        entries_ = block;
        capacity_ = capacity;
    }

    void CopyFrom(const GrowArray& other) {
        Resize(other.count_);
        std::uninitialized_copy_n(other.entries_, other.count_, entries_);
        count_ = other.count_;
    }

    void Steal(GrowArray& other) {
        entries_ = std::exchange(other.entries_, nullptr);
        count_ = std::exchange(other.count_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }

    T* entries_ = nullptr;
    int32_t count_ = 0;
    int32_t capacity_ = 0;
};
