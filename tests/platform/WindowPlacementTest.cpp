#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace platform;
using Anchor = WindowPlacement::Anchor;

// A 1024x768 screen with a 30-pixel panel at the top, and a 200x100 window.
TEST(WindowPlacement, AnchorsAndOffsetsGiveTheTopLeftCornerOnTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    const QRect available(0, 30, 1024, 738);
    const EdgeOffset tenFromFar{10, true};
    const struct {
        WindowPlacement placement;
        QPoint pointer;
        std::optional<QPoint> topLeft;
    } cases[] = {
        // Centred on the pointer, but kept on the screen and below the panel; the end-to-end test
        // compares the other cases with yad.
        {{Anchor::Pointer, {}, {}}, {1020, 2}, QPoint(824, 30)},
        {{Anchor::Pointer, {}, {}}, {3, 766}, QPoint(0, 668)},
        // An offset from the far edge is to the window's far edge; a coordinate not given is 0.
        {{Anchor::WindowManager, tenFromFar, EdgeOffset{20, true}}, {}, QPoint(814, 648)},
        {{Anchor::WindowManager, {}, tenFromFar}, {}, QPoint(0, 658)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacedTopLeft(c.placement, screen, available, QSize(200, 100), c.pointer), c.topLeft)
            << static_cast<int>(c.placement.From) << " pointer " << c.pointer.x() << "," << c.pointer.y();
}
