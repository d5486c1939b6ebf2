#pragma once

#include <Qt>

#include <cstdint>

namespace platform {

constexpr int32_t IDC_ARROW = 32512;
constexpr int32_t IDC_IBEAM = 32513;
constexpr int32_t IDC_WAIT = 32514;
constexpr int32_t IDC_CROSS = 32515;
constexpr int32_t IDC_HAND = 32649;

/// The Qt cursor that shows a system cursor id; the arrow for unknown ids.
Qt::CursorShape CursorShapeOf(int32_t cursorId);

} // namespace platform
