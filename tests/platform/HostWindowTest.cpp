#include "platform/HostWindow.h"
#include "platform/InputMessages.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <vector>

using namespace platform;

TEST(HostWindow, WheelTravelIsSentOneNotchAtATime)
{
    int pending = 0;
    EXPECT_EQ(TakeWholeNotches(pending, 120), 1);
    EXPECT_EQ(TakeWholeNotches(pending, -240), -2);
    // A touchpad's small steps add up to one notch, and the rest waits.
    int sent = 0;
    for (int step = 0; step < 10; ++step)
        sent += TakeWholeNotches(pending, 15);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(pending, 30);
    // Turning back drops what was pending in the other direction.
    EXPECT_EQ(TakeWholeNotches(pending, -100), 0);
    EXPECT_EQ(pending, -100);
    EXPECT_EQ(TakeWholeNotches(pending, -20), -1);
    EXPECT_EQ(pending, 0);
}

TEST(HostWindow, TouchpadTravelLeftOverExpiresWithANewGestureOrAPause)
{
    struct Step {
        int delta;
        Qt::ScrollPhase phase;
        quint64 timestamp;
    };
    const struct {
        Step first, second;
        int wheelMessages;
    } cases[] = {
        {{100, Qt::ScrollUpdate, 1000}, {20, Qt::ScrollUpdate, 1100}, 1},
        {{100, Qt::ScrollUpdate, 1000}, {20, Qt::ScrollUpdate, 1000 + 180000}, 0},
        {{100, Qt::ScrollUpdate, 1000}, {20, Qt::ScrollBegin, 1100}, 0},
        {{100, Qt::NoScrollPhase, 1000}, {20, Qt::NoScrollPhase, 1700}, 0},
    };
    for (const auto& c : cases) {
        int wheelMessages = 0;
        const HWND hWnd = CreateWindowHandle({[&](UINT message, WPARAM, LPARAM) {
                                                  wheelMessages += message == WM_MOUSEWHEEL;
                                                  return LRESULT{0};
                                              },
                                              nullptr});
        {
            HostWindow host(hWnd);
            for (const Step& step : {c.first, c.second}) {
                QWheelEvent wheel(QPointF(5, 6), QPointF(5, 6), QPoint(), QPoint(0, step.delta), Qt::NoButton,
                                  Qt::NoModifier, step.phase, false);
                wheel.setTimestamp(step.timestamp);
                QApplication::sendEvent(&host, &wheel);
            }
        }
        EXPECT_EQ(wheelMessages, c.wheelMessages) << c.second.timestamp << " " << c.second.phase;
        DestroyWindowHandle(hWnd);
    }
}

TEST(HostWindow, KeyFlagsFollowButtonsAndModifiers)
{
    EXPECT_EQ(MouseKeyFlags(Qt::NoButton, Qt::ControlModifier), MK_CONTROL);
    EXPECT_EQ(MouseKeyFlags(Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier), MK_LBUTTON | MK_RBUTTON | MK_SHIFT);
    EXPECT_EQ(MouseKeyFlags(Qt::MiddleButton, Qt::NoModifier), MK_MBUTTON);
}

TEST(HostWindow, QtInputArrivesAsWindowMessagesAndPaintingReachesTheOwner)
{
    std::vector<std::pair<UINT, LPARAM>> messages;
    std::vector<WPARAM> wheelParameters;
    const HWND hWnd = CreateWindowHandle({[&](UINT message, WPARAM wParam, LPARAM lParam) {
                                              messages.emplace_back(message, lParam);
                                              if (message == WM_MOUSEWHEEL)
                                                  wheelParameters.push_back(wParam);
                                              return LRESULT{0};
                                          },
                                          nullptr});
    {
        HostWindow host(hWnd);
        host.resize(50, 40);
        bool painted = false;
        host.SetPaintFunction([&](QPainter&, const QRegion& area) { painted = !area.isEmpty(); });
        host.show();

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6), QPointF(105, 206), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&host, &press);
        QMouseEvent right(QEvent::MouseButtonRelease, QPointF(5, 6), QPointF(105, 206), Qt::RightButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&host, &right);
        QWheelEvent wheel(QPointF(5, 6), QPointF(-30, 206), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&host, &wheel);
        host.grab();
        EXPECT_TRUE(painted);
    }
    // The right button is not forwarded; two notches towards the user give two messages.
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].first, WM_LBUTTONDOWN);
    EXPECT_EQ(messages[0].second, MakeLParam(5, 6));
    EXPECT_EQ(messages[1].first, WM_MOUSEWHEEL);
    EXPECT_EQ(messages[1].second, MakeLParam(-30, 206)) << "wheel positions are on the screen";
    EXPECT_EQ(wheelParameters[0], MakeWheelWParam(MK_CONTROL, -120));
    DestroyWindowHandle(hWnd);
}
