#include "platform/Cursors.h"

namespace platform {

Qt::CursorShape CursorShapeOf(int32_t cursorId)
{
    switch (cursorId) {
    case IDC_HAND: return Qt::PointingHandCursor;
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace platform
