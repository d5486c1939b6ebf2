#include "platform/Messages.h"
#include "support/PickerInvariants.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <random>
#include <vector>

using namespace platform;

namespace {

// Stands between the label and the form and keeps the error number of every handler call
// that fails: the label itself keeps only the outcome of the last call.
class FailureRecorder : public runtime::Dispatchable {
public:
    explicit FailureRecorder(runtime::Dispatchable& form)
    {
        for (const char* name : {"CellClicked", "SpecialDateClicked"})
            Publish(name, [&form, this, name](const Arguments& arguments) {
                try {
                    return form.CallByName(name, arguments);
                } catch (const runtime::RuntimeError& failure) {
                    errors.push_back(failure.Number());
                    throw;
                } catch (...) {
                    errors.push_back(-1);
                    throw;
                }
            });
    }
    std::vector<int> errors;
};

// Ten thousand wheel notches mixed with clicks and moves, sent through the window's
// procedure chain as the host sends them, starting at either end of the selectable years.
class Stress : public testing::TestWithParam<std::array<int, 3>> {
protected:
    void SetUp() override
    {
        form.Form_Load();
        form.Show();
        form.MarkupLabel1()->UpdateLayout();
        GetWindowRect(form.hWnd(), &outer);
        form.MarkupLabel1()->SetHandlerObject(&handlers);
    }
    void TearDown() override { form.Form_Unload(); }

    LPARAM ClientPoint(const std::string& name) const
    {
        const QPointF at = form.MarkupLabel1()->RootElement()->FindName(name)->Bounds().center() + form.LabelPosition();
        return MakeLParam(int(at.x()), int(at.y()));
    }
    void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(form.hWnd(), message, wParam, lParam); }

    TestForm form;
    FailureRecorder handlers{form};
    RECT outer;
};

} // namespace

TEST_P(Stress, ThePickerStillAnswersCorrectlyAfterwards)
{
    const auto [month, day, year] = GetParam();
    form.Select(month, day, year);
    // Mostly towards the end the picker starts at, so that the wheel keeps running into it.
    const int pushOutwards = year > 5000 ? -120 : 120;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pick(0, 99);
    const LPARAM inside = MakeLParam(outer.left + 5, outer.top + 5);
    int wheels = 0;
    int yearsOutsideTheCalendar = 0;
    while (wheels < 10000) {
        const int column = pick(random) % 3;
        const int row = pick(random) % 5;
        const int roll = pick(random);
        const std::string cell = "Border_" + std::to_string(column) + "_" + std::to_string(row);
        if (roll < 10) {
            const int clickedYear = form.CellValues()(row, 2);
            yearsOutsideTheCalendar += column == 2 && (clickedYear < slider::FirstSelectableYear ||
                                                       clickedYear > slider::LastSelectableYear);
            Send(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(cell));
            Send(WM_LBUTTONUP, 0, ClientPoint(roll < 5 ? cell : "TextArea_" + cell.substr(7)));
        } else if (roll < 20) {
            Send(WM_MOUSEMOVE, 0, MakeLParam(pick(random) * 6 - 50, pick(random) * 3 - 50));
        } else {
            Send(WM_MOUSEMOVE, 0, ClientPoint(cell));
            Send(WM_MOUSEWHEEL, MakeWheelWParam(0, roll < 85 ? pushOutwards : -pushOutwards), inside);
            ++wheels;
        }
        ASSERT_FALSE(form.InWheel());
    }
    EXPECT_EQ(PickerInconsistency(form), "");
    EXPECT_EQ(handlers.errors, std::vector<int>(yearsOutsideTheCalendar, runtime::ErrInvalidCall))
        << "the only cell clicks that fail are those refusing a year outside the calendar";

    // The links, the cells and the wheel all still work.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint("SpecialDate_0"));
    Send(WM_LBUTTONUP, 0, ClientPoint("SpecialDate_0"));
    EXPECT_EQ(form.Selected(), "12/7/2026");
    Send(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint("Border_2_3"));
    Send(WM_LBUTTONUP, 0, ClientPoint("Border_2_3"));
    Send(WM_MOUSEMOVE, 0, ClientPoint("Border_1_2"));
    Send(WM_MOUSEWHEEL, MakeWheelWParam(0, -120), inside);
    EXPECT_EQ(form.Selected(), "12/8/2027");
    EXPECT_EQ(PickerInconsistency(form), "");
}

INSTANTIATE_TEST_SUITE_P(AtBothEnds, Stress,
                         testing::Values(std::array<int, 3>{1, 1, 1000}, std::array<int, 3>{12, 31, 9997},
                                         std::array<int, 3>{2, 29, 1004}));
