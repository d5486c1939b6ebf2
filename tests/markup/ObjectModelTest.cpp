#include "markup/Border.h"
#include "markup/Grid.h"
#include "markup/Inlines.h"
#include "markup/MarkupLabel.h"
#include "markup/StackPanel.h"
#include "markup/TextBlock.h"
#include "markup/modXaml.h"
#include "support/TestEnvironment.h"

using namespace markup;

namespace {

class ObjectModel : public testing::Test {
protected:
    MarkupLabelPtr label = std::make_shared<MarkupLabel>();
    MarkupContextPtr context = label->MarkupContext();

    template <typename T>
    std::shared_ptr<T> Make(std::string_view tag)
    {
        return As<T>(context->CreateObject(tag));
    }
};

} // namespace

TEST_F(ObjectModel, FactoryMakesEveryKindByTagAndRefusesOthers)
{
    const std::string_view tags[] = {"StackPanel", "TextBlock", "Border", "Grid",
                                     "RowDefinition", "Hyperlink", "Run", "SolidColorBrush"};
    for (std::string_view tag : tags) {
        const auto object = context->CreateObject(tag);
        ASSERT_TRUE(object) << tag;
        EXPECT_EQ(object->Tag(), tag);
        EXPECT_NE(object, context->CreateObject(tag)) << "each call makes a new object";
    }
    EXPECT_RUNTIME_ERROR(context->CreateObject("stackpanel"), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(As<Grid>(context->CreateObject("Border")), runtime::ErrTypeMismatch);

    EXPECT_EQ(static_cast<uint32_t>(context->CreateSolidBrush(0x706050)->Color()), 0xFF706050u);
    EXPECT_EQ(static_cast<uint32_t>(context->CreateSolidBrush(0x7F706050)->Color()), 0xFF706050u);
    const auto thickness = context->CreateThicknessObject(1, 2, 3, 4);
    EXPECT_EQ(thickness->Left + thickness->Top * 10 + thickness->Right * 100 + thickness->Bottom * 1000, 4321);
}

TEST_F(ObjectModel, FindNameSearchesChildrenBorderChildAndInlines)
{
    auto root = Make<StackPanel>("StackPanel");
    auto frame = Make<Border>("Border");
    auto grid = Make<Grid>("Grid");
    auto cell = Make<TextBlock>("TextBlock");
    auto link = Make<Hyperlink>("Hyperlink");
    auto run = Make<markup::Run>("Run");
    cell->SetName("TextArea_0_2");
    link->SetName("SpecialDate_4");
    run->SetName("Caption");
    root->SetName("Root");
    root->Children().Add(frame);
    frame->SetChild(grid);
    grid->Children().Add(cell);
    auto linkBlock = Make<TextBlock>("TextBlock");
    linkBlock->Inlines().Add(link);
    link->Inlines().Add(run);
    root->Children().Add(linkBlock);

    EXPECT_EQ(root->FindName("TextArea_0_2"), cell);
    EXPECT_EQ(root->FindName("SpecialDate_4"), link);
    EXPECT_EQ(root->FindName("Caption"), run);
    EXPECT_EQ(grid->FindName("SpecialDate_4"), nullptr);
    EXPECT_EQ(root->FindName("Root"), nullptr) << "only descendants are searched";
    EXPECT_EQ(cell->Parent(), grid.get());
    EXPECT_EQ(run->Parent(), link.get());
}

TEST_F(ObjectModel, CollectionsRefuseNothingSecondParentsCyclesAndWrongKinds)
{
    auto outer = Make<StackPanel>("StackPanel");
    auto inner = Make<StackPanel>("StackPanel");
    auto text = Make<TextBlock>("TextBlock");
    outer->Children().Add(inner);
    inner->Children().Add(text);
    EXPECT_RUNTIME_ERROR(outer->Children().Add(text), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(inner->Children().Add(outer), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(outer->Children().Add(nullptr), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(text->Inlines().Add(Make<Border>("Border")), runtime::ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(Make<Hyperlink>("Hyperlink")->Inlines().Add(Make<Hyperlink>("Hyperlink")),
                         runtime::ErrTypeMismatch);
    EXPECT_EQ(outer->Children().Count(), 1u);
    EXPECT_EQ(inner->Children().Count(), 1u);
}

TEST_F(ObjectModel, PropertiesRefuseValuesOutsideTheirCodes)
{
    auto panel = Make<StackPanel>("StackPanel");
    EXPECT_RUNTIME_ERROR(panel->SetOrientation(2), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(panel->SetHorizontalAlignment(3), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(panel->SetVisibility(-1), runtime::ErrInvalidCall);
    auto grid = Make<Grid>("Grid");
    EXPECT_RUNTIME_ERROR(grid->SetRow(panel, -1), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(grid->SetRowSpan(panel, 0), runtime::ErrInvalidCall);
    auto text = Make<TextBlock>("TextBlock");
    EXPECT_RUNTIME_ERROR(text->SetFontSize(-1), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(text->SetFontWeight(0), runtime::ErrInvalidCall);
    EXPECT_EQ(panel->Orientation(), Vertical);
    EXPECT_EQ(panel->HorizontalAlignment(), AlignStretch);
}

TEST_F(ObjectModel, HandlersAreRegisteredPerEventByName)
{
    auto link = Make<Hyperlink>("Hyperlink");
    EXPECT_EQ(link->HandlerFor(ClickEvent), nullptr);
    link->AddHandler(ClickEvent, "SpecialDateClicked");
    link->AddHandler(MouseUpEvent, "CellClicked");
    ASSERT_NE(link->HandlerFor(ClickEvent), nullptr);
    EXPECT_EQ(*link->HandlerFor(ClickEvent), "SpecialDateClicked");
    EXPECT_EQ(*link->HandlerFor(MouseUpEvent), "CellClicked");
}

TEST_F(ObjectModel, BrushesAndThicknessesOfTheHiddenLabelWorkInThisLabelsTree)
{
    auto root = Make<Border>("Border");
    root->SetBackground(modXaml::CreateBrush(0xC0A080, 90));
    root->SetPadding(modXaml::CreateThickness(5, 5, 5, 5));
    label->SetRootElement(root);
    label->SetSize(QSizeF(100, 50));
    label->UpdateLayout();
    EXPECT_EQ(root->Bounds(), QRectF(0, 0, 100, 50));
    EXPECT_NE(modXaml::SharedLabel(), nullptr);
    EXPECT_NE(modXaml::SharedLabel().get(), static_cast<runtime::Dispatchable*>(label.get()));
}

TEST_F(ObjectModel, ARootCannotAlsoBeAChild)
{
    auto panel = Make<StackPanel>("StackPanel");
    auto child = Make<TextBlock>("TextBlock");
    panel->Children().Add(child);
    EXPECT_RUNTIME_ERROR(label->SetRootElement(child), runtime::ErrInvalidCall);
    label->SetRootElement(panel);
    EXPECT_RUNTIME_ERROR(Make<StackPanel>("StackPanel")->Children().Add(panel), runtime::ErrInvalidCall);
    EXPECT_EQ(label->RootElement(), panel);
}
