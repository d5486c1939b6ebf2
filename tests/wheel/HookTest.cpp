#include "platform/Messages.h"
#include "runtime/LoadedForms.h"
#include "support/TestEnvironment.h"
#include "wheel/modHookMouseWheel.h"
#include "window/TestForm.h"

#include <vector>

using namespace platform;
using namespace modHookMouseWheel;

namespace {

// A loaded form that records its wheel calls, on a window at (-500, -300)..(-100, -50).
class WheelForm : public runtime::Dispatchable {
public:
    WheelForm()
    {
        hWnd = CreateWindowHandle({[this](UINT message, WPARAM wParam, LPARAM lParam) {
                                       passedOn.push_back({message, wParam, lParam});
                                       return LRESULT{55};
                                   },
                                   [this](RECT& rect) {
                                       rect = outer;
                                       return hasRect;
                                   }});
        Publish("MouseWheel", [this](const Arguments& arguments) -> std::any {
            calls.push_back({runtime::ArgumentAs<int32_t>(arguments, 0), runtime::ArgumentAs<int32_t>(arguments, 1),
                             runtime::ArgumentAs<int32_t>(arguments, 2), runtime::ArgumentAs<int32_t>(arguments, 3)});
            if (fail)
                runtime::Raise(runtime::ErrInvalidCall);
            return {};
        });
        runtime::AddLoadedForm(*this, hWnd);
    }
    ~WheelForm() override
    {
        runtime::RemoveLoadedForm(*this);
        DestroyWindowHandle(hWnd);
    }

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    HWND hWnd;
    RECT outer{-500, -300, -100, -50};
    bool hasRect = true;
    bool fail = false;
    std::vector<WheelMessage> calls;
    std::vector<Message> passedOn;
};

LRESULT Wheel(HWND hWnd, uint16_t keys, int rotation, int x, int y)
{
    return SendMessageA(hWnd, WM_MOUSEWHEEL, MakeWheelWParam(keys, rotation), MakeLParam(x, y));
}

} // namespace

TEST(WheelHook, DecodesKeysRotationAndSignedScreenPositions)
{
    const WheelMessage towards = DecodeWheelMessage(MakeWheelWParam(MK_CONTROL, -120), MakeLParam(-1200, -7));
    EXPECT_EQ(towards.MouseKeys, 8);
    EXPECT_EQ(towards.Rotation, -120);
    EXPECT_EQ(towards.Xpos, -1200);
    EXPECT_EQ(towards.Ypos, -7);
    const WheelMessage away = DecodeWheelMessage(MakeWheelWParam(0, 120), MakeLParam(65535, 32768));
    EXPECT_EQ(away.MouseKeys, 0);
    EXPECT_EQ(away.Rotation, 120);
    EXPECT_EQ(away.Xpos, -1);
    EXPECT_EQ(away.Ypos, -32768);
}

TEST(WheelHook, ForwardsWheelsInsideTheWindowAndPassesEveryMessageOn)
{
    WheelForm form;
    HookMouseWheel(form.hWnd);
    EXPECT_EQ(Wheel(form.hWnd, MK_CONTROL, -120, -300, -100), 55);
    EXPECT_EQ(Wheel(form.hWnd, 0, 120, -100, -50), 55) << "the right and bottom edges are inside";
    EXPECT_EQ(Wheel(form.hWnd, 0, 120, -500, -300), 55);
    Wheel(form.hWnd, 0, 120, -99, -100);
    Wheel(form.hWnd, 0, 120, -300, -301);
    ASSERT_EQ(form.calls.size(), 3u);
    EXPECT_EQ(form.calls[0].MouseKeys, 8);
    EXPECT_EQ(form.calls[0].Rotation, -120);
    EXPECT_EQ(form.calls[0].Xpos, -300);
    EXPECT_EQ(form.calls[1].Ypos, -50);
    EXPECT_EQ(form.passedOn.size(), 5u) << "wheel messages go on whether forwarded or not";

    EXPECT_EQ(SendMessageA(form.hWnd, 0x1234, 77, -99), 55);
    EXPECT_EQ(form.passedOn.back().message, 0x1234u);
    EXPECT_EQ(form.passedOn.back().wParam, 77u);
    EXPECT_EQ(form.passedOn.back().lParam, -99);
    UnhookMouseWheel(form.hWnd);
}

TEST(WheelHook, WithoutARectangleOnlyTheOriginCountsAsInside)
{
    WheelForm form;
    form.hasRect = false;
    HookMouseWheel(form.hWnd);
    Wheel(form.hWnd, 0, 120, 1, 0);
    Wheel(form.hWnd, 0, 120, 0, 0);
    EXPECT_EQ(form.calls.size(), 1u);
    EXPECT_TRUE(IsPointInWindow(form.hWnd + 4, 0, 0));
    EXPECT_FALSE(IsPointInWindow(form.hWnd + 4, 0, 1));
    UnhookMouseWheel(form.hWnd);
}

TEST(WheelHook, AFailingHandlerStopsInTheProcedureAndTheMessageStillGoesOn)
{
    WheelForm form;
    form.fail = true;
    HookMouseWheel(form.hWnd);
    LRESULT result = 0;
    EXPECT_NO_THROW(result = Wheel(form.hWnd, 0, -120, -300, -100));
    EXPECT_EQ(result, 55);
    EXPECT_EQ(form.calls.size(), 1u);
    EXPECT_EQ(form.passedOn.size(), 1u);
    UnhookMouseWheel(form.hWnd);
}

TEST(WheelHook, UnhookingRestoresThePreviousProcedure)
{
    WheelForm form;
    const LONG_PTR original = SetWindowLongA(form.hWnd, GWL_WNDPROC, ProcedureAddress(&WheelWindowProc));
    SetWindowLongA(form.hWnd, GWL_WNDPROC, original);

    HookMouseWheel(form.hWnd);
    EXPECT_EQ(GetPropA(form.hWnd, PrevWndProcProperty), original);
    UnhookMouseWheel(form.hWnd);
    EXPECT_EQ(GetPropA(form.hWnd, PrevWndProcProperty), 0);
    EXPECT_EQ(SetWindowLongA(form.hWnd, GWL_WNDPROC, original), original);
    Wheel(form.hWnd, 0, -120, -300, -100);
    EXPECT_TRUE(form.calls.empty());
    EXPECT_EQ(form.passedOn.size(), 1u);
}

TEST(WheelHook, ASecondHookOnAHookedWindowChangesNothing)
{
    WheelForm form;
    HookMouseWheel(form.hWnd);
    const LONG_PTR original = GetPropA(form.hWnd, PrevWndProcProperty);
    HookMouseWheel(form.hWnd);
    ASSERT_EQ(GetPropA(form.hWnd, PrevWndProcProperty), original);
    Wheel(form.hWnd, 0, -120, -300, -100);
    EXPECT_EQ(form.calls.size(), 1u);
    EXPECT_EQ(form.passedOn.size(), 1u);
    UnhookMouseWheel(form.hWnd);
    EXPECT_EQ(SetWindowLongA(form.hWnd, GWL_WNDPROC, original), original);
}

TEST(WheelHook, AWindowWithoutAFormOnlyPassesTheMessageOn)
{
    std::vector<UINT> seen;
    const HWND orphan = CreateWindowHandle({[&](UINT message, WPARAM, LPARAM) {
                                               seen.push_back(message);
                                               return LRESULT{3};
                                           },
                                           nullptr});
    HookMouseWheel(orphan);
    EXPECT_EQ(FindFormByHandle(orphan), nullptr);
    EXPECT_EQ(Wheel(orphan, 0, 120, 0, 0), 3);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_MOUSEWHEEL}));
    UnhookMouseWheel(orphan);
    DestroyWindowHandle(orphan);
}

TEST(WheelHook, TheRealWindowTurnsAWheelMessageIntoANewDate)
{
    TestForm form;
    form.Form_Load();
    form.Show();
    form.Select(6, 10, 2025);
    form.HoverColumn(2);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(form.hWnd(), &outer));
    Wheel(form.hWnd(), 0, -120, outer.left + 1, outer.top + 1);
    EXPECT_EQ(form.Selected(), "6/10/2026");
    Wheel(form.hWnd(), 0, -120, outer.right + 1, outer.top + 1);
    EXPECT_EQ(form.Selected(), "6/10/2026");
    form.Form_Unload();
    Wheel(form.hWnd(), 0, -120, outer.left + 1, outer.top + 1);
    EXPECT_EQ(form.Selected(), "6/10/2026");
}
