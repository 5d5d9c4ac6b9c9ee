#include "live_view.h"

namespace bridge_sim {

void LiveView::Record(const BusMessage& message) {
    if (capacity_ == 0) return;
    if (entries_.size() == capacity_) entries_.pop_front();
    entries_.push_back(message);
}

std::size_t LiveView::Clear() {
    const std::size_t removed = entries_.size();
    entries_.clear();
    return removed;
}

}  // namespace bridge_sim
