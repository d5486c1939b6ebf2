// The window routes: it builds the tree from its parts, and hands each message, each change of
// the date and each change of the scheme to the parts it concerns.

#include "window/Form1.h"

#include "markup/StackPanel.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "runtime/Checked.h"
#include "runtime/Clock.h"
#include "runtime/FlagScope.h"
#include "runtime/LoadedForms.h"
#include "runtime/RuntimeError.h"
#include "wheel/modHookMouseWheel.h"
#include "window/DesignColours.h"
#include "window/FormDesign.h"
#include "window/SenderName.h"
#include "window/SpecialDates.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cmath>

using namespace platform;
using markup::As;

namespace {

// The label's own size is that of the links and buttons; the design's other sizes follow it.
TextScale ScaleOf(const FormSetup& setup)
{
    return {setup.FontPoints > 0 ? setup.FontPoints / design::LabelFontSize : 1.0};
}

} // namespace

Form1::Form1(FormSetup setup)
    : markupLabel1_(std::make_shared<markup::MarkupLabel>()), caption_(std::move(setup.Caption)),
      startDate_(setup.StartDate), windowStyle_(std::move(setup.WindowStyle)), placement_(setup.Placement),
      scale_(ScaleOf(setup)), time_(setup.Time ? std::make_unique<TimeOfDay>(*setup.Time) : nullptr),
      frame_(*markupLabel1_), columns_(*markupLabel1_, scale_), links_(*markupLabel1_),
      note_(*markupLabel1_, setup.ShowWeeks, std::move(setup.DayDescriptions), scale_),
      prompt_(*markupLabel1_, std::move(setup.Dialog.Prompt), setup.Dialog.PromptAlignment, scale_),
      dialog_(*markupLabel1_, setup.Dialog),
      timeoutBar_(setup.Dialog.TimeoutBarSide, setup.Dialog.TimeoutMilliseconds),
      area_({setup.Borders, setup.MinimumClientSize, scale_, timeoutBar_.Growth(), timeoutBar_.Shift()}), typing_(*this, time_.get()),
      clipboard_(*this, time_.get()),
      keys_(*this, typing_, clipboard_, dialog_,
            {[this](int32_t column, int32_t step) { StepColumn(column, step); },
             [this](int32_t index) { ActivateLink(index); }, [this](int32_t stop) { ShowFocus(stop); }}),
      surface_(*markupLabel1_, area_, timeoutBar_)
{
    markupLabel1_->Font() = {design::LabelFontName, design::LabelFontSize, 400};
    if (!setup.FontFamily.empty())
        markupLabel1_->Font().Name = setup.FontFamily;
    if (setup.FontPoints > 0)
        markupLabel1_->Font().Size = setup.FontPoints;
    markupLabel1_->SetForeColor(design::LabelForeColor);
    markupLabel1_->SetBackColor(design::LabelBackColor);
    markupLabel1_->SetSize(ClientArea::DesignedLabelSize());
    font_ = QFont(design::WindowFontName);
    font_.setPointSizeF(design::WindowFontSize);

    SetSelectableRange(time_ ? time_->PickableDays(setup.SelectableRange) : setup.SelectableRange);
    if (time_)
        time_->Slider().SetChangeListener([this](const runtime::WallTime& previous) { TimeChanged(previous); });
    dialog_.SetCloser([this] { surface_.Close(); });
    columns_.Place(slider::ColumnOrder(), time_ ? time_->Columns() : std::vector<int32_t>{});
    keys_.SetStops(columns_.Shown(), SpecialDateLinks::Count, dialog_.Count());

    hWnd_ = CreateWindowHandle({
        [this](UINT message, WPARAM wParam, LPARAM lParam) { return HandleMessage(message, wParam, lParam); },
        [this](RECT& rect) { return surface_.OuterRectangle(rect); },
    });
    runtime::AddLoadedForm(*this, hWnd_);
    PublishHandlers();
}

Form1::~Form1()
{
    if (hooked_)
        Form_Unload();
    if (Host())
        listener_.Closing();
    markupLabel1_->SetChangeListener(nullptr);
    markupLabel1_->SetHandlerObject(nullptr);
    surface_.Release();
    runtime::RemoveLoadedForm(*this);
    DestroyWindowHandle(hWnd_);
}

void Form1::PublishHandlers()
{
    using runtime::ArgumentAs;
    const auto publishClick = [this](const char* name, void (Form1::*handler)(const markup::ElementPtr&, const std::any&)) {
        Publish(name, [this, handler](const Arguments& arguments) {
            (this->*handler)(ArgumentAs<markup::ElementPtr>(arguments, 0), arguments.size() > 1 ? arguments[1] : std::any());
            return std::any();
        });
    };
    publishClick("CellClicked", &Form1::CellClicked);
    publishClick("SpecialDateClicked", &Form1::SpecialDateClicked);
    publishClick("DialogButtonClicked", &Form1::DialogButtonClicked);
    Publish("MouseWheel", [this](const Arguments& arguments) {
        MouseWheel(ArgumentAs<int32_t>(arguments, 0), ArgumentAs<int32_t>(arguments, 1),
                   ArgumentAs<int32_t>(arguments, 2), ArgumentAs<int32_t>(arguments, 3));
        return std::any();
    });
}

void Form1::Form_Load()
{
    BuildLayout();
    modHookMouseWheel::HookMouseWheel(hWnd_);
    hooked_ = true;
}

void Form1::Form_Unload()
{
    modHookMouseWheel::UnhookMouseWheel(hWnd_);
    hooked_ = false;
}

// The element tree: a centred vertical panel with the header above a rounded frame, which holds
// the slider columns and the two link panels side by side (mirrored when the user interface's
// language is written right to left). A dialog may add a prompt above the header, a note under
// it and a row of buttons below the frame.
void Form1::BuildLayout()
{
    const auto context = markupLabel1_->MarkupContext();
    const auto root = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    root->SetOrientation(markup::Vertical);
    root->SetVerticalAlignment(markup::AlignCentre);
    root->SetHorizontalAlignment(markup::AlignCentre);
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        root->SetFlowDirection(markup::RightToLeft);

    const auto prompt = prompt_.Build();
    if (prompt)
        root->Children().Add(prompt);
    dateHeader_ = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    dateHeader_->SetMargin(context->CreateThicknessObject(4, 0, 0, 4));
    dateHeader_->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
    dateHeader_->SetFontSize(scale_.Pixels(8));
    dateHeader_->SetFontWeight(700);
    root->Children().Add(dateHeader_);
    const markup::ElementPtr note = note_.Build();
    if (note)
        root->Children().Add(note);

    const auto frame = frame_.Build();
    root->Children().Add(frame);
    markup::StackPanel& sliderRow = frame_.Row();

    // The columns stand as the user's language writes a date: month, day, year in English.
    columns_.Place(slider::ColumnOrder::OfLanguage(), time_ ? time_->Columns() : std::vector<int32_t>{});
    keys_.SetStops(columns_.Shown(), SpecialDateLinks::Count, dialog_.Count());
    for (const int32_t column : columns_.Shown())
        BuildSliderColumn(column);
    for (int32_t place = 0; place < slider::ColumnCount; ++place)
        sliderRow.Children().Add(sliderGrids_[columns_.Order().ColumnAt(place)]);
    if (time_)
        time_->AddTo(sliderRow);
    links_.AddPanelsTo(sliderRow);

    const markup::ElementPtr buttonRow = dialog_.Build();
    if (buttonRow)
        root->Children().Add(buttonRow);

    // The tree is handed over complete, and the date is set only once handlers can be called.
    markupLabel1_->SetRootElement(root);
    markupLabel1_->MarkupContext()->SetHandler(this);
    const runtime::Date start = startDate_.value_or(runtime::Today());
    SetDate(start.Month(), start.Day(), start.Year());
    // Sized only now: until the cells show dates they hold a placeholder of another width.
    area_.FitLabel(*markupLabel1_, {prompt, note, frame, buttonRow}, [this] { note_.Size(); });
}

void Form1::BuildSliderColumn(int32_t column)
{
    const bool timeColumn = column >= slider::FirstTimeColumn && time_;
    const int32_t dateColumn = timeColumn ? 0 : runtime::CheckedIndex(column, slider::ColumnCount);
    auto grid = columns_.BuildSliderColumn(column, font_, TimeColumns());
    if (timeColumn)
        time_->Slider().SetTimeGrid(column, std::move(grid));
    else
        sliderGrids_[dateColumn] = std::move(grid);
}

std::string Form1::WidestColumnText(int32_t column)
{
    return columns_.WidestColumnText(column, ColumnGrid(column), font_, TimeColumns());
}

markup::ElementPtr Form1::ColumnGrid(int32_t column) const
{
    // Without time columns, a column past the date's is out of range, as it always was.
    if (column < slider::FirstTimeColumn || !time_)
        return SliderGrids(column);
    return time_->Slider().TimeGrids(column);
}

runtime::WallTime Form1::SelectedTime() const { return {SelectedDate(), time_ ? time_->SelectedMinute() : 0}; }

void Form1::Show()
{
    surface_.Show(hWnd_, caption_, windowStyle_, placement_, [this] { listener_.Shown(); });
}

// A change of scheme keeps the tree: every brush of the design is made anew in the other
// colours, and the system colours of the label's text and background answer from the other table.
void Form1::SetColorScheme(platform::ColorScheme scheme)
{
    if (scheme == platform::ColorSchemeInUse())
        return;
    platform::UseColorScheme(scheme);
    if (!markupLabel1_->RootElement())
        return;
    dateHeader_->SetForeground(markupLabel1_->MarkupContext()->CreateSolidBrush(design::CurrentColours().Text));
    prompt_.Recolour();
    frame_.Recolour();
    columns_.Recolour();
    links_.Recolour();
    note_.Recolour();
    dialog_.Recolour();
    markupLabel1_->SetBackColor(markupLabel1_->BackColor());
    surface_.RepaintAll();
}

void Form1::SelectionChanged(const slider::CellGrid& previous)
{
    if (time_)
        time_->FitToDate(SelectedDate());
    // Only where the script narrowed the dates is anything dimmed.
    if (Bounded()) {
        columns_.ShowRefusedValues(*this);
        links_.ShowRefused(SelectableRange());
    }
    note_.Show(*this);
    listener_.DateChanged(previous);
}

void Form1::TimeChanged(const runtime::WallTime& previous)
{
    if (dateHeader_)
        dateHeader_->SetText(HeaderText(SelectedDate()));
    columns_.ShowRefusedTimes(time_->Slider());
    listener_.TimeChanged(previous);
}

std::string Form1::HeaderText(const runtime::Date& selected) const
{
    const std::string date = DateSlider::HeaderText(selected);
    return time_ ? time_->HeaderText(date) : date;
}

runtime::Date Form1::LandingDate(const runtime::Date& wanted) const
{
    return time_ ? time_->LandingDate(wanted) : wanted;
}

// The window's original procedure: keys and commands go to the window's own handling,
// pointer input to the markup label.
LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        keys_.KeyDown(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        keys_.Character(static_cast<char32_t>(wParam), platform::GetMessageTime());
        return 0;
    case WM_SYSCHAR:
        keys_.AccessKey(static_cast<char32_t>(wParam));
        return 0;
    case WM_PASTE:
        typing_.End();
        clipboard_.Paste();
        return 0;
    // The Copy and Menu keys, and Shift+F10, arrive as commands; like any other key they end
    // what was being typed into a column.
    case WM_APPCOMMAND:
        typing_.End();
        if (AppCommandOf(lParam) != APPCOMMAND_COPY)
            return 0;
        clipboard_.Copy(DateClipboard::CopyForm::AsShown);
        return 1;
    case WM_CONTEXTMENU:
        typing_.End();
        ShowContextMenu(lParam);
        return 0;
    case WM_CLOSE:
        dialog_.End(DialogResult::Cancel);
        return 0;
    case WM_ACTIVATE:
        if (wParam == WA_INACTIVE)
            dialog_.LostFocus();
        return 0;
    default:
        if (surface_.Pointer(message, lParam)) {
            dialog_.ShowStates();
            // The window shows the tip of the link or button under the pointer as its own.
            surface_.ShowPointer(PointerTip());
        }
        return 0;
    }
}

std::string Form1::PointerTip() const
{
    if (const std::optional<int32_t> link = links_.Hovered())
        return SpecialDateLinks::Description(*link);
    if (const std::optional<std::string> tip = dialog_.HoveredTip())
        return *tip;
    return prompt_.Tip();
}

void Form1::ShowFocus(int32_t stop)
{
    const KeyboardFocus& focus = keys_.Focus();
    markup::ElementPtr focused;
    if (const int32_t column = focus.ColumnAtStop(stop); column >= 0)
        focused = ColumnGrid(column);
    else if (const std::optional<int32_t> link = focus.FocusedLink())
        focused = links_.Link(*link);
    else if (const std::optional<int32_t> button = focus.FocusedButton())
        focused = dialog_.Button(*button);
    markupLabel1_->SetFocusElement(focused);
    listener_.FocusMoved();
}

void Form1::ShowContextMenu(LPARAM at)
{
    if (!DateHeader())
        return;
    switch (clipboard_.ShowMenu(surface_.MenuPosition(at))) {
    case DateClipboard::MenuChoice::Paste:
        // Through the procedure chain, as the Paste key sends it.
        SendMessageA(hWnd_, WM_PASTE, 0, 0);
        break;
    case DateClipboard::MenuChoice::Today:
        keys_.KeyDown(VK_HOME);
        break;
    case DateClipboard::MenuChoice::Now:
        if (time_)
            time_->SelectNow(*this);
        break;
    case DateClipboard::MenuChoice::None:
        break;
    }
}

// Choosing with the pointer: a click on a slider cell, or a wheel turn over columns. Each builds
// a new (month, day, year) in which only the affected columns change; over a time column, a new
// time in which only that column's field changes.
void Form1::CellClicked(const markup::ElementPtr& Sender, const std::any&)
{
    const std::vector<std::string> parts = SenderNameParts(Sender);
    if (parts.size() != 3)
        return;
    // The column must read exactly "0" to "5": "00" or " 1" name no column.
    int32_t column = -1;
    for (const int32_t shown : columns_.Shown())
        if (parts[1] == std::to_string(shown))
            column = shown;
    if (column < 0)
        return;
    const int32_t row = runtime::TextToInt32(parts[2]);
    if (column >= slider::FirstTimeColumn) {
        time_->SelectRow(column, row);
        return;
    }
    SelectRow(column, row);
}

void Form1::MouseWheel(int32_t, int32_t Rotation, int32_t, int32_t)
{
    // SetDate can let a nested wheel message through; that one must change nothing.
    if (inWheel_)
        return;
    const runtime::FlagScope inWheel(inWheel_);
    // Towards the user moves on to the next value (the row below), away goes back.
    const int32_t step = Rotation < 0 ? 1 : -1;
    std::array<bool, slider::ColumnCount> hovered{};
    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        const auto& grid = SliderGrids(column);
        hovered[column] = grid && grid->IsMouseOver();
    }
    SelectNeighbours(hovered, step);
    if (time_)
        time_->StepHovered(step);
}

void Form1::StepColumn(int32_t column, int32_t step)
{
    if (column >= slider::FirstTimeColumn && time_) {
        time_->Step(column, step < 0 ? -1 : 1);
        return;
    }
    std::array<bool, slider::ColumnCount> columns{};
    columns[runtime::CheckedIndex(column, slider::ColumnCount)] = true;
    SelectNeighbours(columns, step < 0 ? -1 : 1);
}

void Form1::SpecialDateClicked(const markup::ElementPtr& Sender, const std::any&)
{
    const std::optional<int32_t> index = SenderIndex(Sender);
    if (!index)
        return;
    // The clock is read at every click, so a window left open past midnight follows the new day.
    const runtime::Date selected = SpecialDate(*index, runtime::Today());
    SetDate(selected.Month(), selected.Day(), selected.Year());
}

void Form1::ActivateLink(int32_t index)
{
    if (const markup::ElementPtr link = links_.Link(index))
        SpecialDateClicked(link, std::any());
}

void Form1::DialogButtonClicked(const markup::ElementPtr& Sender, const std::any&)
{
    // The label calls this only for a press and a release both over the button, as for a link.
    if (const std::optional<int32_t> index = SenderIndex(Sender))
        dialog_.Press(*index);
}
