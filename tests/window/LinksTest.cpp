#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <array>

using namespace markup;

namespace {

class Links : public testing::Test {
protected:
    void SetUp() override { form.BuildLayout(); }
    TestForm form;
};

} // namespace

TEST_F(Links, EachLinkSelectsItsDateFromTheClockOfTheClick)
{
    const struct {
        runtime::Date today;
        const char* selected[9];
    } days[] = {
        {Ymd(2024, 3, 31), {"3/31/2024", "4/1/2024", "3/30/2024", "3/1/2024", "3/31/2024", "2/1/2024", "2/29/2024",
                            "4/1/2024", "4/30/2024"}},
        {Ymd(2025, 3, 31), {"3/31/2025", "4/1/2025", "3/30/2025", "3/1/2025", "3/31/2025", "2/1/2025", "2/28/2025",
                            "4/1/2025", "4/30/2025"}},
        {Ymd(2025, 1, 31), {"1/31/2025", "2/1/2025", "1/30/2025", "1/1/2025", "1/31/2025", "12/1/2024", "12/31/2024",
                            "2/1/2025", "2/28/2025"}},
        {Ymd(2025, 12, 31), {"12/31/2025", "1/1/2026", "12/30/2025", "12/1/2025", "12/31/2025", "11/1/2025",
                             "11/30/2025", "1/1/2026", "1/31/2026"}},
        {Ymd(2026, 1, 1), {"1/1/2026", "1/2/2026", "12/31/2025", "1/1/2026", "1/31/2026", "12/1/2025", "12/31/2025",
                           "2/1/2026", "2/28/2026"}},
        {Ymd(2100, 2, 10), {"2/10/2100", "2/11/2100", "2/9/2100", "2/1/2100", "2/28/2100", "1/1/2100", "1/31/2100",
                            "3/1/2100", "3/31/2100"}},
    };
    for (const auto& day : days) {
        const FixedToday today(day.today);
        for (int index = 0; index < 9; ++index) {
            form.Select(6, 15, 2000);
            form.ClickLink("SpecialDate_" + std::to_string(index));
            EXPECT_EQ(form.Selected(), day.selected[index]) << day.today.LongText() << ", link " << index;
        }
    }
}

TEST_F(Links, OddNamesChangeNothingAndNumbersOutsideTheLinksSelectToday)
{
    form.Select(6, 15, 2000);
    for (const char* ignored : {"", "SpecialDate", "SpecialDate_4_1", "Border_1_4", "a__1"})
        form.ClickLink(ignored);
    form.SpecialDateClicked(nullptr, std::any());
    EXPECT_EQ(form.Selected(), "6/15/2000");

    EXPECT_RUNTIME_ERROR(form.ClickLink("SpecialDate_x"), runtime::ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(form.ClickLink("SpecialDate_"), runtime::ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(form.ClickLink("_"), runtime::ErrTypeMismatch);
    EXPECT_EQ(form.Selected(), "6/15/2000");

    for (const char* today : {"SpecialDate_9", "SpecialDate_-1", "Anything_12"}) {
        form.Select(6, 15, 2000);
        form.ClickLink(today);
        EXPECT_EQ(form.Selected(), "12/7/2026") << today;
    }
}

TEST_F(Links, CaptionsPanelsAndMargins)
{
    EXPECT_EQ(SpecialDateLinks::SpecialDateCaption(0), "Today");
    EXPECT_EQ(SpecialDateLinks::SpecialDateCaption(6), "Last of last month");
    EXPECT_EQ(SpecialDateLinks::SpecialDateCaption(9), "");
    EXPECT_EQ(SpecialDateLinks::SpecialDateCaption(-1), "");
    EXPECT_EQ(SpecialDateLinks::LinkColumnOf(2), 0);
    EXPECT_EQ(SpecialDateLinks::LinkColumnOf(3), 1);
    EXPECT_EQ(SpecialDateLinks::LinkColumnOf(-1), 1);
    for (int index : {4, 6, 8})
        EXPECT_EQ(SpecialDateLinks::LinkMargin(index)->Bottom, 6) << index;
    for (int index : {0, 5, 7, -3})
        EXPECT_EQ(SpecialDateLinks::LinkMargin(index)->Bottom, 1) << index;
}

TEST_F(Links, ALinkIsATextBlockHoldingANamedHyperlinkHoldingItsCaption)
{
    const auto block = std::dynamic_pointer_cast<TextBlock>(form.CreateSpecialDateLink(7));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Parent(), nullptr);
    EXPECT_EQ(block->Margin()->Bottom, 1);
    ASSERT_EQ(block->Inlines().Count(), 1u);
    const auto link = std::dynamic_pointer_cast<Hyperlink>(block->Inlines().Item(0));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->Name(), "SpecialDate_7");
    EXPECT_EQ(*link->HandlerFor(ClickEvent), "SpecialDateClicked");
    EXPECT_EQ(static_cast<uint32_t>(link->Foreground()->Color()), 0xFF504632u);
    ASSERT_EQ(link->Inlines().Count(), 1u);
    EXPECT_EQ(std::dynamic_pointer_cast<markup::Run>(link->Inlines().Item(0))->Text(), "First of next month");
    EXPECT_NE(link->Foreground(), std::dynamic_pointer_cast<Hyperlink>(
                                       std::dynamic_pointer_cast<TextBlock>(form.CreateSpecialDateLink(7))->Inlines().Item(0))
                                       ->Foreground());
}

TEST_F(Links, AClickOnTheWindowReachesTheHandlerByName)
{
    const FixedToday today(Ymd(2025, 12, 31));
    form.MarkupLabel1()->UpdateLayout();
    const auto link = form.MarkupLabel1()->RootElement()->FindName("SpecialDate_1");
    form.MarkupLabel1()->MouseDown(link->Bounds().center());
    form.MarkupLabel1()->MouseUp(link->Bounds().center());
    EXPECT_EQ(form.Selected(), "1/1/2026");
    EXPECT_EQ(form.DateHeader()->Text(), "Thursday January 1, 2026");
}

// With bounds, a link whose date lies outside them is dimmed and its click changes nothing;
// without bounds every link keeps the design's colour. Resting on a link names its date.
TEST(LinkBounds, LinksOutsideTheBoundsAreDimmedAndEachNamesItsDate)
{
    const FixedToday today(Ymd(2026, 12, 9));
    FormSetup setup;
    setup.SelectableRange = {Ymd(2026, 12, 10), Ymd(2026, 12, 31)};
    setup.StartDate = Ymd(2026, 12, 20);
    TestForm unbounded, bounded(std::move(setup));
    std::array<int32_t, 9> designed{};
    for (auto [form, dimmed] : {std::pair{&unbounded, "---------"}, std::pair{&bounded, "x-xx-xxxx"}}) {
        form->Form_Load();
        std::string shown;
        for (int index = 0; index < 9; ++index) {
            const int32_t colour = As<Hyperlink>(form->Links().Link(index))->Foreground()->Color();
            if (form == &unbounded)
                designed[static_cast<size_t>(index)] = colour;
            shown += colour == designed[static_cast<size_t>(index)] ? '-' : 'x';
        }
        EXPECT_EQ(shown, dimmed);
    }
    // A click on dimmed Yesterday, a rest on it and on Tomorrow, then a click on Tomorrow.
    const std::tuple<int, bool, std::string, const char*> steps[] = {
        {2, true, "Yesterday, Tuesday December 8, 2026", "12/20/2026"},
        {1, false, "Tomorrow, Thursday December 10, 2026", "12/20/2026"},
        {1, true, "Tomorrow, Thursday December 10, 2026", "12/10/2026"}};
    for (const auto& [link, click, tip, selected] : steps) {
        bounded.MarkupLabel1()->UpdateLayout();
        const QPointF at = bounded.Links().Link(link)->Bounds().center();
        bounded.MarkupLabel1()->MouseMove(at);
        EXPECT_EQ(bounded.PointerTip(), tip);
        if (click) {
            bounded.MarkupLabel1()->MouseDown(at);
            bounded.MarkupLabel1()->MouseUp(at);
        }
        EXPECT_EQ(bounded.Selected(), selected) << "link " << link;
    }
    bounded.MarkupLabel1()->MouseMove(QPointF(1, 1));
    EXPECT_EQ(bounded.PointerTip(), "");
}
