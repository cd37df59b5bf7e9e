#pragma once
// A single-slot hand-over between threads that never waits: one thread leaves a
// small value, another takes it. The value travels packed in one 64-bit word, so
// it must fit in 63 bits; the top bit marks a full slot.
#include <atomic>
#include <cstdint>
#include <cstring>
#include <type_traits>

template <class T>
class Mailbox {
  static_assert(std::is_trivially_copyable_v<T> && sizeof(T) < sizeof(uint64_t));

 public:
  // Leaves `value` unless one is already waiting; true when it was left.
  bool PutIfEmpty(const T& value) {
    uint64_t empty = 0;
    return m_slot.compare_exchange_strong(empty, Pack(value));
  }
  // Leaves `value` in place of any waiting one.
  void Replace(const T& value) { m_slot.store(Pack(value)); }
  // The waiting value, if any; the slot is empty afterwards.
  bool Take(T& value) {
    const uint64_t slot = m_slot.exchange(0);
    if (slot == 0) return false;
    std::memcpy(static_cast<void*>(&value), &slot, sizeof(T));  // little-endian: the value sits in the low bytes
    return true;
  }

 private:
  static uint64_t Pack(const T& value) {
    uint64_t slot = 0;
    std::memcpy(&slot, &value, sizeof(T));
    return slot | kFull;
  }
  static constexpr uint64_t kFull = uint64_t{1} << 63U;

  std::atomic<uint64_t> m_slot{0};
};
