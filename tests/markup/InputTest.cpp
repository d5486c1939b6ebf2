#include "markup/MarkupTestTree.h"
#include "platform/Cursors.h"
#include "support/TestEnvironment.h"

using namespace markup;

namespace {

// Records every handler call the label makes.
class Recorder : public runtime::Dispatchable {
public:
    Recorder()
    {
        for (const char* name : {"Up", "Click", "Other"})
            Publish(name, [this, name](const Arguments& arguments) {
                calls.push_back(std::string(name) + ":" + runtime::ArgumentAs<ElementPtr>(arguments, 0)->Name());
                return std::any();
            });
        Publish("Fail", [](const Arguments&) -> std::any { runtime::Raise(runtime::ErrTypeMismatch); });
        // Attaches more handlers to its own sender than its handler list has room for.
        Publish("Grow", [this](const Arguments& arguments) {
            const ElementPtr sender = runtime::ArgumentAs<ElementPtr>(arguments, 0);
            for (int added = 0; added < 64; ++added)
                sender->AddHandler(1000 + added, "Other");
            calls.push_back("Grow:" + sender->Name());
            return std::any();
        });
    }
    std::vector<std::string> calls;
};

// A row of a 50-pixel cell (a background with a short text above it) and a link.
class Input : public testing::Test, protected MarkupTestTree {
protected:
    void SetUp() override
    {
        auto row = Make<StackPanel>("StackPanel");
        row->SetOrientation(Horizontal);
        row->SetName("Row");
        cell = Make<Grid>("Grid");
        background = Filled(0xEEEEEE);
        background->SetName("Background");
        background->SetPadding(Thickness(50, 10, 0, 0));
        cell->SetCursor(platform::IDC_HAND);
        text = Make<TextBlock>("TextBlock");
        text->SetName("Text");
        text->SetText("x");
        text->SetHorizontalAlignment(AlignStart);
        cell->Children().Add(background);
        cell->Children().Add(text);
        row->Children().Add(cell);

        linkBlock = Make<TextBlock>("TextBlock");
        link = Make<Hyperlink>("Hyperlink");
        link->SetName("Link");
        auto run = Make<markup::Run>("Run");
        run->SetText("Go somewhere");
        link->Inlines().Add(run);
        linkBlock->Inlines().Add(link);
        row->Children().Add(linkBlock);
        Show(row, 300, 20);
        context->SetHandler(&recorder);
    }

    QPointF OnText() const { return text->Bounds().center(); }
    QPointF OnBackgroundOnly() const { return QPointF(text->Bounds().right() + 2, 5); }
    QPointF OnLink() const { return link->Bounds().center(); }

    Recorder recorder;
    std::shared_ptr<Grid> cell;
    std::shared_ptr<Border> background;
    std::shared_ptr<TextBlock> text;
    std::shared_ptr<TextBlock> linkBlock;
    std::shared_ptr<Hyperlink> link;
};

} // namespace

TEST_F(Input, MouseUpReachesOnlyTheFirstHandlerFromTheTopmostElementUp)
{
    background->AddHandler(MouseUpEvent, "Up");
    text->AddHandler(MouseUpEvent, "Up");
    label->MouseUp(OnText());
    label->MouseUp(OnBackgroundOnly());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Up:Text", "Up:Background"}));

    // A panel without a handler passes the event on to its parents.
    recorder.calls.clear();
    label->RootElement()->AddHandler(MouseUpEvent, "Other");
    label->MouseUp(OnLink());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Other:Row"}));
}

TEST_F(Input, HiddenElementsAreNeverHit)
{
    background->AddHandler(MouseUpEvent, "Up");
    text->AddHandler(MouseUpEvent, "Up");
    text->SetVisibility(Hidden);
    label->MouseUp(OnText());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Up:Background"}));
}

TEST_F(Input, HoverMarksTheHitElementAndItsAncestorsUntilThePointerLeaves)
{
    label->MouseMove(OnText());
    EXPECT_TRUE(text->IsMouseOver());
    EXPECT_TRUE(cell->IsMouseOver());
    EXPECT_TRUE(label->RootElement()->IsMouseOver());
    EXPECT_FALSE(background->IsMouseOver()) << "the background lies beneath the text";
    EXPECT_FALSE(link->IsMouseOver());

    label->MouseMove(OnLink());
    EXPECT_FALSE(cell->IsMouseOver());
    EXPECT_TRUE(link->IsMouseOver());
    EXPECT_TRUE(linkBlock->IsMouseOver());

    label->MouseLeave();
    EXPECT_FALSE(link->IsMouseOver());
    EXPECT_FALSE(label->RootElement()->IsMouseOver());
}

TEST_F(Input, TheCursorComesFromTheNearestElementThatSetsOne)
{
    label->MouseMove(OnText());
    EXPECT_EQ(label->CursorId(), platform::IDC_HAND) << "the text inherits the hand of its cell";
    text->SetCursor(platform::IDC_ARROW);
    label->MouseMove(OnText());
    EXPECT_EQ(label->CursorId(), platform::IDC_ARROW);
    label->MouseMove(OnLink());
    EXPECT_EQ(label->CursorId(), platform::IDC_HAND) << "links show the hand by default";
    label->MouseMove(QPointF(299, 10));
    EXPECT_EQ(label->CursorId(), platform::IDC_ARROW);
}

TEST_F(Input, ALinkIsClickedByAPressAndReleaseOverItAndTheClickReachesNoOtherHandler)
{
    link->AddHandler(ClickEvent, "Click");
    linkBlock->SetName("Block");
    linkBlock->AddHandler(MouseUpEvent, "Up");
    label->MouseDown(OnLink());
    label->MouseUp(OnLink());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Click:Link"}));

    // A release without a press on the link is no click: it goes up the tree as a mouse-up.
    recorder.calls.clear();
    label->MouseDown(OnText());
    label->MouseUp(OnLink());
    label->MouseDown(OnLink());
    label->MouseUp(OnText());
    label->MouseDown(OnLink());
    label->MouseLeave();
    label->MouseUp(OnLink());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Up:Block", "Up:Block"}));
}

TEST_F(Input, AFailingHandlerIsCaughtAtTheLabel)
{
    text->AddHandler(MouseUpEvent, "Fail");
    background->AddHandler(MouseUpEvent, "Missing");
    EXPECT_NO_THROW(label->MouseUp(OnText()));
    EXPECT_EQ(label->LastHandlerError(), runtime::ErrTypeMismatch);
    EXPECT_NO_THROW(label->MouseUp(OnBackgroundOnly()));
    EXPECT_EQ(label->LastHandlerError(), runtime::ErrNoSuchMember);
}

TEST_F(Input, AHandlerMayAttachHandlersToItsOwnSender)
{
    link->AddHandler(ClickEvent, "Grow");
    for (int click = 0; click < 2; ++click) {
        label->MouseDown(OnLink());
        label->MouseUp(OnLink());
    }
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"Grow:Link", "Grow:Link"}));
    EXPECT_EQ(label->LastHandlerError(), 0);
}

TEST_F(Input, ACollapsedRunLeavesItsLinkAndIsNotHit)
{
    auto tail = Make<markup::Run>("Run");
    tail->SetText(" and far beyond");
    link->Inlines().Add(tail);
    label->UpdateLayout();
    const QPointF onTail = tail->Bounds().center();
    const qreal headWidth = link->Bounds().width() - tail->Bounds().width();
    tail->SetVisibility(Collapsed);
    label->UpdateLayout();
    EXPECT_EQ(link->Bounds().width(), headWidth);
    EXPECT_FALSE(link->Bounds().contains(onTail));
    label->MouseDown(onTail);
    EXPECT_FALSE(link->IsMouseOver());
}
