// The runtime's counted arrays: 1-based positions, an out-of-range position is a fatal error.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

#include "runtime/fatal_error.h"

namespace runtime {

// A one-dimensional array whose positions run from 1 to Count(). Elements are contiguous, so an
// array of plain values can be handed to an API as a block (Data(), Count()). Records are held by
// value: the array owns them, and copying the array copies every element anew.
template <typename T>
class CountedArray {
 public:
  CountedArray() = default;
  CountedArray(std::initializer_list<T> items) : items_(items) {}
  explicit CountedArray(int count) : items_(count > 0 ? static_cast<size_t>(count) : 0) {}

  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] bool Empty() const { return items_.empty(); }

  // Element at 1-based `position`; a fatal error outside 1..Count().
  T& operator[](int position) { return items_[Check(position, "read or write")]; }
  const T& operator[](int position) const { return items_[Check(position, "read")]; }

  // Grows by one element at the end.
  T& Append(T item) {
    items_.push_back(std::move(item));
    return items_.back();
  }
  // Inserts before `position` (1..Count()+1).
  void Insert(int position, T item) {
    if (position != Count() + 1) Check(position, "insert");
    items_.insert(items_.begin() + (position - 1), std::move(item));
  }
  // Removes the element at `position`; later elements move one place toward the front.
  void Remove(int position) { items_.erase(items_.begin() + Check(position, "remove")); }
  // New element count; new elements are value-initialised.
  void Resize(int count) { items_.resize(count > 0 ? static_cast<size_t>(count) : 0); }
  void Clear() { items_.clear(); }

  // The contiguous block of elements, or null when the array is empty.
  T* Data() { return items_.empty() ? nullptr : items_.data(); }
  const T* Data() const { return items_.empty() ? nullptr : items_.data(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const CountedArray&) const = default;

 private:
  size_t Check(int position, const char* operation) const {
    if (position < 1 || position > Count()) {
      char message[128];
      std::snprintf(message, sizeof message, "array %s at position %d outside 1..%d", operation,
                    position, Count());
      FatalError(message);
    }
    return static_cast<size_t>(position - 1);
  }

  std::vector<T> items_;
};

}  // namespace runtime
