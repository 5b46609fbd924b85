#include "presentation/tracking_state.h"

namespace trm {

TrackingState trackingState;

}  // namespace trm
