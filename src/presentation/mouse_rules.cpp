#include "presentation/mouse_rules.h"

namespace trm {

bool launcherSwapsButtons(bool underWine, bool systemSwapped) {
    return underWine && systemSwapped;
}

MouseRole mouseRoleOf(MouseMessage message, bool buttonsSwapped) {
    switch (message) {
        case MouseMessage::move: return MouseRole::move;
        case MouseMessage::leftUp: return buttonsSwapped ? MouseRole::secondaryUp : MouseRole::primaryUp;
        case MouseMessage::rightUp: return buttonsSwapped ? MouseRole::primaryUp : MouseRole::secondaryUp;
        case MouseMessage::leftDoubleClick: return buttonsSwapped ? MouseRole::none : MouseRole::primaryDoubleClick;
        case MouseMessage::rightDoubleClick: return buttonsSwapped ? MouseRole::primaryDoubleClick : MouseRole::none;
        case MouseMessage::other: break;
    }
    return MouseRole::none;
}

}  // namespace trm
