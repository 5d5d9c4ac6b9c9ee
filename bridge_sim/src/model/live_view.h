// The sniffer's record of the bus: every message the bus carried, oldest first. It is bounded so
// that a bridge left running for days does not grow without end; past the bound the oldest
// entries go, and indices count from the oldest entry still held.
#pragma once

#include <cstddef>
#include <deque>

#include "bus_message.h"

namespace bridge_sim {

class LiveView {
public:
    static constexpr std::size_t kDefaultCapacity = 100000;

    explicit LiveView(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    void Record(const BusMessage& message);
    std::size_t Count() const { return entries_.size(); }
    const std::deque<BusMessage>& entries() const { return entries_; }

    // Returns how many entries were removed.
    std::size_t Clear();

private:
    std::size_t capacity_;
    std::deque<BusMessage> entries_;
};

}  // namespace bridge_sim
