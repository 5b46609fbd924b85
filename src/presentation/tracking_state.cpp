#include "presentation/tracking_state.h"

namespace trm {

namespace {
TrackingState idle;
TrackingState* current = &idle;
}  // namespace

TrackingState& tracking() {
    return *current;
}

TrackingScope::TrackingScope(TrackingState& state) : previous(current) {
    current = &state;
}

TrackingScope::~TrackingScope() {
    current = previous;
}

}  // namespace trm
