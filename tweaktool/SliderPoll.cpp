#include "SliderPoll.h"

void SliderPoll::Show(const TweakParameter* p, int32_t position) {
    shown_ = p;
    lastPosition_ = position;
}

void SliderPoll::Place(int32_t position) {
    lastPosition_ = position;
}

TweakParameter* SliderPoll::Edited(TweakParameter* selected) const {
    return selected == shown_ ? selected : nullptr;
}

std::optional<int32_t> SliderPoll::Poll(const TweakParameter* selected, int32_t position) {
    if (position == lastPosition_) {
        return std::nullopt;
    }
    lastPosition_ = position;
    if (selected == nullptr || selected != shown_ || position < selected->minimum ||
        position > selected->maximum) {
        return std::nullopt;
    }
    return position;
}
