#include "markup/MarkupTestTree.h"
#include "support/TestEnvironment.h"

#include <QFontMetricsF>

using namespace markup;

namespace {

class Layout : public testing::Test, protected MarkupTestTree {};

// A Border whose padding gives it a fixed desired size.
std::shared_ptr<Border> Block(const MarkupTestTree& tree, int width, int height)
{
    auto border = tree.Filled(0x000000);
    border->SetPadding(tree.Thickness(width, height, 0, 0));
    return border;
}

} // namespace

TEST_F(Layout, StackPanelsStackAndStretchAcross)
{
    auto column = Make<StackPanel>("StackPanel");
    auto first = Block(*this, 30, 10);
    auto second = Block(*this, 50, 20);
    second->SetMargin(Thickness(1, 2, 3, 4));
    column->Children().Add(first);
    column->Children().Add(second);
    Show(column, 200, 100);
    EXPECT_EQ(column->DesiredSize(), QSizeF(54, 36));
    EXPECT_EQ(column->Bounds(), QRectF(0, 0, 200, 100));
    EXPECT_EQ(first->Bounds(), QRectF(0, 0, 200, 10));
    EXPECT_EQ(second->Bounds(), QRectF(1, 12, 196, 20));

    auto row = Make<StackPanel>("StackPanel");
    row->SetOrientation(Horizontal);
    row->SetHorizontalAlignment(AlignCentre);
    row->SetVerticalAlignment(AlignEnd);
    auto left = Block(*this, 30, 10);
    auto right = Block(*this, 50, 20);
    right->SetVerticalAlignment(AlignCentre);
    row->Children().Add(left);
    row->Children().Add(right);
    Show(row, 200, 100);
    EXPECT_EQ(row->Bounds(), QRectF(60, 80, 80, 20));
    EXPECT_EQ(left->Bounds(), QRectF(60, 80, 30, 20));
    EXPECT_EQ(right->Bounds(), QRectF(90, 80, 50, 20));
}

TEST_F(Layout, BordersAddThicknessAndPaddingInside)
{
    auto frame = Make<Border>("Border");
    frame->SetBorderThickness(Thickness(1, 1, 1, 1));
    frame->SetPadding(Thickness(5, 5, 5, 5));
    frame->SetHorizontalAlignment(AlignStart);
    frame->SetVerticalAlignment(AlignStart);
    frame->SetMargin(Thickness(10, 20, 0, 0));
    auto content = Block(*this, 40, 30);
    frame->SetChild(content);
    Show(frame, 300, 300);
    EXPECT_EQ(frame->Bounds(), QRectF(10, 20, 52, 42));
    EXPECT_EQ(content->Bounds(), QRectF(16, 26, 40, 30));
}

TEST_F(Layout, HiddenElementsKeepTheirSpace)
{
    auto column = Make<StackPanel>("StackPanel");
    auto hidden = Block(*this, 30, 10);
    auto after = Block(*this, 30, 10);
    hidden->SetVisibility(Hidden);
    column->Children().Add(hidden);
    column->Children().Add(after);
    Show(column, 100, 100);
    EXPECT_EQ(after->Bounds().top(), 10);
    hidden->SetVisibility(Collapsed);
    label->UpdateLayout();
    EXPECT_EQ(after->Bounds().top(), 0);
}

TEST_F(Layout, GridRowsSizeToContentSpanAndShareExtraHeight)
{
    auto grid = Make<Grid>("Grid");
    for (int row = 0; row < 3; ++row)
        grid->RowDefinitions().Add(Make<RowDefinition>("RowDefinition"));
    auto top = Block(*this, 10, 10);
    auto middle = Block(*this, 20, 30);
    auto spanning = Block(*this, 5, 100);
    grid->Children().Add(spanning);
    grid->Children().Add(top);
    grid->Children().Add(middle);
    grid->SetRow(middle, 1);
    grid->SetRowSpan(spanning, 3);
    Show(grid, 100, 100);
    // The spanning child needs 100 where the rows give 40: each of the three rows grows by 20.
    EXPECT_EQ(grid->RowHeights(), (std::vector<qreal>{30, 50, 20}));
    EXPECT_EQ(middle->Bounds(), QRectF(0, 30, 100, 50));
    EXPECT_EQ(spanning->Bounds(), QRectF(0, 0, 100, 100));

    grid->SetRowSpan(spanning, 1);
    grid->SetRow(spanning, 7); // past the last row: it lands in the last one
    Show(grid, 100, 400);
    // Rows from content are 10, 30 and 100; the extra 260 of 400 is shared equally, and the
    // row edges are rounded to whole pixels: 96.7 -> 97, 213.3 -> 213.
    EXPECT_EQ(grid->RowHeights(), (std::vector<qreal>{97, 116, 187}));
    EXPECT_EQ(spanning->Bounds(), QRectF(0, 213, 100, 187));
}

TEST_F(Layout, TextBlocksMeasureTheirTextInTheLabelsFontUnlessTheySetTheirOwn)
{
    auto text = Make<TextBlock>("TextBlock");
    text->SetText("December");
    text->SetPadding(Thickness(4, 4, 4, 4));
    text->SetHorizontalAlignment(AlignEnd);
    Show(text, 300, 100);
    QFont labelFont("Segoe UI");
    labelFont.setPixelSize(11);
    const QFontMetricsF labelMetrics(labelFont);
    EXPECT_EQ(text->DesiredSize().width(), std::ceil(labelMetrics.horizontalAdvance("December")) + 8);
    EXPECT_EQ(text->Bounds().right(), 300);

    text->SetFontSize(16);
    text->SetFontWeight(700);
    label->UpdateLayout();
    QFont bold = labelFont;
    bold.setPixelSize(16);
    bold.setWeight(QFont::Bold);
    EXPECT_EQ(text->DesiredSize().height(), std::ceil(QFontMetricsF(bold).height()) + 8);
}

TEST_F(Layout, TextChangesLayOutAgain)
{
    auto text = Make<TextBlock>("TextBlock");
    text->SetHorizontalAlignment(AlignStart);
    text->SetText("1");
    Show(text, 300, 100);
    const qreal narrow = text->Bounds().width();
    text->SetText("September 2026");
    label->UpdateLayout();
    EXPECT_GT(text->Bounds().width(), narrow);
}

TEST_F(Layout, RightToLeftMirrorsEveryRectangleAndHitsThroughTheMirror)
{
    // Uneven margins, padding and outlines, every alignment, a horizontal row and a line of runs.
    auto frame = Make<Border>("Border");
    frame->SetBorderThickness(Thickness(1, 2, 3, 4));
    frame->SetPadding(Thickness(5, 0, 9, 0));
    frame->SetMargin(Thickness(4, 0, 0, 4));
    frame->SetHorizontalAlignment(AlignStart);
    auto row = Make<StackPanel>("StackPanel");
    row->SetOrientation(Horizontal);
    auto grid = Make<Grid>("Grid");
    auto cell = Block(*this, 10, 10);
    cell->SetMargin(Thickness(2, 0, 7, 0));
    cell->SetHorizontalAlignment(AlignCentre); // 21 pixels to share: centring rounds
    grid->Children().Add(Block(*this, 40, 10));
    grid->Children().Add(cell);
    auto text = Make<TextBlock>("TextBlock");
    text->SetPadding(Thickness(3, 0, 11, 0));
    text->SetHorizontalAlignment(AlignEnd);
    auto words = Make<markup::Run>("Run");
    words->SetText("some words ");
    auto linked = Make<markup::Run>("Run");
    linked->SetText("a link");
    auto link = Make<Hyperlink>("Hyperlink");
    link->Inlines().Add(linked);
    text->Inlines().Add(words);
    text->Inlines().Add(link);
    row->Children().Add(grid);
    row->Children().Add(text);
    frame->SetChild(row);
    Show(frame, 300, 100);

    std::vector<std::pair<Element*, QRectF>> leftToRight;
    const std::function<void(Element&)> collect = [&](Element& element) {
        leftToRight.emplace_back(&element, element.Bounds());
        element.ForEachChild([&](const ElementPtr& child) { collect(*child); });
    };
    collect(*frame);
    frame->SetFlowDirection(RightToLeft);
    label->UpdateLayout();
    for (const auto& [element, was] : leftToRight)
        EXPECT_EQ(element->Bounds(), QRectF(300 - was.x() - was.width(), was.y(), was.width(), was.height())) << element->Tag();
    EXPECT_EQ(link->FlowDirection(), RightToLeft);
    EXPECT_EQ(frame->HitTest(cell->Bounds().center()), cell.get());
}

TEST_F(Layout, TextAlignmentMovesEachLineWithinTheBlocksWidth)
{
    auto text = Make<TextBlock>("TextBlock");
    auto shortLine = Make<markup::Run>("Run");
    shortLine->SetText("ab");
    auto longLine = Make<markup::Run>("Run");
    longLine->SetText("\nabcdefgh");
    text->Inlines().Add(shortLine);
    text->Inlines().Add(longLine);
    text->SetWidth(200);
    text->SetHorizontalAlignment(AlignStart);
    Show(text, 300, 100);
    const qreal shortWidth = shortLine->Bounds().width();
    const qreal longWidth = longLine->Bounds().width();
    EXPECT_EQ(shortLine->Bounds().left(), 0);
    for (const auto& [alignment, share] : {std::pair{AlignCentre, 0.5}, std::pair{AlignEnd, 1.0}}) {
        text->SetTextAlignment(alignment);
        label->UpdateLayout();
        EXPECT_NEAR(shortLine->Bounds().left(), (200 - shortWidth) * share, 1) << alignment;
        EXPECT_NEAR(longLine->Bounds().left(), (200 - longWidth) * share, 1) << alignment;
    }
    EXPECT_THROW(text->SetTextAlignment(AlignStretch), std::exception);
}
