#pragma once

#include "date/ColumnOrder.h"
#include "date/DateSlider.h"
#include "date/TimeSlider.h"
#include "markup/MarkupLabel.h"
#include "platform/SystemColors.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowStyle.h"
#include "platform/WindowSystem.h"
#include "runtime/Dispatchable.h"

#include <QCoreApplication>
#include <QFont>
#include <QPointF>
#include <QRegion>
#include <QSize>

#include <algorithm>
#include <any>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class HostWindow;
}
class QPainter;

/// The buttons below the frame: none, as the design has it, or Cancel and OK for a dialog.
enum class FormButtons { None, CancelOk };
/// How the user ended the window: not yet, with OK, or with Cancel (Cancel, Escape, or closing it).
enum class DialogResult { None, Ok, Cancel };
/// The side of the window where a bar shows the time left before a timeout, or none.
enum class TimeoutSide { None, Top, Bottom, Left, Right };
/// What pressing a dialog button does.
enum class ButtonPress {
    /// Ends the window as Cancel does.
    Decline,
    /// Ends the window as OK does.
    Accept,
    /// Leaves the window open and tells the handler set with SetButtonHandler.
    Notify,
};
/// One button below the frame: its caption (none: the translated Cancel or OK, after what it
/// does; an empty one shows no text), what pressing it does, and the tip shown while the
/// pointer rests on it (empty: none).
struct ButtonDescription {
    std::optional<std::string> Caption;
    ButtonPress Press = ButtonPress::Accept;
    std::string Tooltip{};
};
/// What Escape does in the window.
enum class EscapeKey { Decline, Accept, Nothing };

/// The picker window: a header with the selected date, three slider columns (and, where asked,
/// the time columns after them) and two panels of special-date links, all drawn by the markup
/// label MarkupLabel1.
/// Its date can be copied and pasted with keys or from a context menu, and typed into a column.
/// Its public handlers are also reached by name: "CellClicked", "SpecialDateClicked" and
/// "DialogButtonClicked" from the markup label, "MouseWheel" from the wheel hook.
class Form1 : public runtime::Dispatchable, public DateSlider {
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    Form1();
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    /// The load event: builds the element tree, selects today, then hooks the mouse wheel.
    void Form_Load();
    /// The unload event: removes the wheel hook.
    void Form_Unload();
    /// Opens the window on screen.
    void Show();

    /// The window title, "Form1" unless set before Show.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    /// The buttons below the frame; set before Form_Load. CancelOk shows Cancel and OK, OK the
    /// default button, and lets Enter accept.
    FormButtons Buttons() const { return buttons_; }
    void SetButtons(FormButtons buttons);
    /// Any row of buttons below the frame, in order; `defaultButton` (-1 none) has the stronger
    /// outline and is pressed by Enter. Set before Form_Load.
    void SetDialogButtons(std::vector<ButtonDescription> buttons, int32_t defaultButton);
    /// Whether Enter accepts where the focus is on no button and no button is the default, as in
    /// a dialog that shows no buttons. Set before Form_Load.
    void SetEnterAccepts(bool accepts) { enterAccepts_ = accepts; }
    /// What Escape does: declines unless set otherwise.
    void SetEscapeKey(EscapeKey key) { escapeKey_ = key; }
    /// Called with the button's index when a button that leaves the window open is pressed.
    void SetButtonHandler(std::function<void(int32_t)> handler) { buttonHandler_ = std::move(handler); }
    /// The dialog button that ended the window, or -1 when none did (Enter, Escape, closing it).
    int32_t PressedButton() const { return pressedButton_; }
    /// The date selected first instead of today; set before Form_Load.
    void SetStartDate(const runtime::Date& date) { startDate_ = date; }
    /// Adds the time columns after the date columns, with `setup`'s step and bounds, starting at
    /// minute `startMinute` of the start date or the nearest one they take. Set before Form_Load,
    /// after SetSelectableRange.
    void SetTimeColumns(const slider::TimeSetup& setup, int32_t startMinute);
    /// The time columns' model, or nothing when the window shows no time.
    const TimeSlider* TimeColumns() const { return time_.get(); }
    /// The selected date at the selected time (midnight without time columns).
    runtime::WallTime SelectedTime() const;
    /// Plain text shown above the header, wrapped at the frame's width; a newline starts a new
    /// line. Empty shows none. Set before Form_Load.
    void SetPrompt(std::string text) { prompt_ = std::move(text); }
    /// Captions for Cancel and OK in place of the translated ones; an empty one keeps its
    /// default. Set after SetButtons and before Form_Load.
    void SetButtonCaptions(std::string cancel, std::string ok);
    /// Where the prompt's lines sit: markup::AlignStart, AlignCentre or AlignEnd. Set before
    /// Form_Load.
    void SetPromptAlignment(int32_t alignment) { promptAlignment_ = alignment; }
    /// Shows the ISO 8601 week of the selected date under the header. Set before Form_Load.
    void SetShowWeeks(bool show) { showWeeks_ = show; }
    /// Descriptions of days, as plain text: the selected day's shows under the header, its first
    /// lines and how many more there are, and the days that have one are bold in the day column.
    /// Set before Form_Load.
    void SetDayDescriptions(std::map<runtime::Date, std::string> descriptions);
    /// The least client size in pixels; 0 sets no least in that direction. Set before Form_Load.
    void SetMinimumClientSize(int width, int height) { minimumClientSize_ = QSize(width, height); }
    /// The family and point size of every text in place of the design's; an empty family or a
    /// size of 0 keeps that part, and the texts keep their sizes to each other. Set before
    /// Form_Load.
    void SetTextFont(const std::string& family, double points);
    /// Pixels between the window's edges and its content, in place of the design's margins, from
    /// 0 to MostBorderPixels: the window then fits its content. Set before Form_Load.
    void SetBorders(int pixels) { borders_ = std::clamp(pixels, 0, MostBorderPixels); }
    /// Wider borders would leave no screen room for the content, and a window of tens of
    /// thousands of pixels no memory to paint it in.
    static constexpr int MostBorderPixels = 500;
    /// Shows on `side` a bar that shrinks to nothing in the `milliseconds` after Show. Set
    /// before Form_Load.
    void SetTimeoutIndicator(TimeoutSide side, int milliseconds);
    /// The bar's area in the client area; empty without one.
    QRect TimeoutIndicatorArea() const;
    /// How long the bar is, from 1 when the window opens down to 0 at the timeout.
    double TimeLeftFraction() const;
    /// How the window presents itself to the window manager and where it opens; set before Show.
    void SetWindowStyle(platform::WindowStyle style, platform::WindowPlacement placement);
    /// Ends the window as Cancel does when it loses the keyboard focus, whatever Escape does.
    void SetCloseOnUnfocus(bool close) { closeOnUnfocus_ = close; }
    /// How the user ended the window.
    DialogResult Result() const { return result_; }
    /// Paints the window in the light or the dark colours from now on: the brushes of its tree
    /// change and it repaints; the tree and the selected date stay as they are.
    void SetColorScheme(platform::ColorScheme scheme);
    /// Ends the window with `result` and closes it, as OK and Cancel do; once it has a result,
    /// nothing changes it.
    void EndDialog(DialogResult result);

    /// A special-date link was clicked: selects the date its name stands for.
    void SpecialDateClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// A slider cell was clicked: selects the clicked value in its column.
    void CellClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// A dialog button was clicked: presses it.
    void DialogButtonClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// The wheel turned over the window: moves each hovered column one step.
    void MouseWheel(int32_t MouseKeys, int32_t Rotation, int32_t Xpos, int32_t Ypos);

    /// Moves one column (0 month, 1 day, 2 year, 3 hour, 4 minute, 5 AM/PM) one step within its own
    /// cycle: +1 to the next value, -1 to the previous one, as a wheel notch towards or away from
    /// the user does.
    void StepColumn(int32_t column, int32_t step);
    /// Acts as a click on special-date link `index` (0..8).
    void ActivateLink(int32_t index);
    /// The Hyperlink of special-date link `index`, or nothing before the window is built.
    markup::ElementPtr SpecialDateLink(int32_t index) const;
    /// What link `index` says and selects today: "Tomorrow, Monday December 7, 2026", or only
    /// its caption when that date lies outside the calendar.
    std::string SpecialDateDescription(int32_t index) const;
    /// The tip shown while the pointer rests on the window: what the link under it selects, the
    /// tip of the dialog button under it, or the empty text.
    std::string PointerTip() const;
    /// Dialog button `index` (with CancelOk 0 Cancel, 1 OK), or nothing when the window has none.
    markup::ElementPtr DialogButton(int32_t index) const;
    /// The caption of dialog button `index`: the one set, or the default in the user's language.
    std::string DialogButtonCaption(int32_t index) const;
    /// Acts as a click on dialog button `index`: with CancelOk 0 cancels, 1 accepts.
    void PressDialogButton(int32_t index);
    /// How many elements take the keyboard focus: the columns, the links, then the buttons.
    int32_t FocusStopCount() const;
    /// Which element has the keyboard focus: -1 none, then the columns at their places (0..2
    /// without time columns, see PlacedColumns), the links 0..8 and the dialog buttons in order.
    int32_t FocusIndex() const { return focusIndex_; }
    /// The column with the keyboard focus, or -1 when no column has it.
    int32_t FocusedColumn() const;
    /// Where each date column stands, in the order the user's language writes dates; set by the
    /// load event.
    const slider::ColumnOrder& PlacedColumns() const { return columnOrder_; }
    /// How many columns take the focus: the three date columns and the time columns shown.
    int32_t ColumnStopCount() const;
    /// The column (0..5, as StepColumn counts them) at focus stop `stop`: the date columns at
    /// their places, then the time columns in the language's order; -1 for none.
    int32_t ColumnAtStop(int32_t stop) const;
    /// The grid of any column, date or time; nothing for a column not shown.
    markup::ElementPtr ColumnGrid(int32_t column) const;

    /// The window's handle, through whose procedure chain its messages travel.
    platform::HWND hWnd() const { return hWnd_; }
    /// The markup label that draws everything inside the window.
    const markup::MarkupLabelPtr& MarkupLabel1() const { return markupLabel1_; }
    /// The window font, with the name and size the last width measurement left in it.
    const QFont& Font() const { return font_; }
    /// True only while a MouseWheel call is being handled.
    bool InWheel() const { return inWheel_; }
    /// The real window, once shown.
    platform::HostWindow* Host() const { return host_.get(); }
    /// Where the markup label sits in the client area, in pixels.
    QPointF LabelPosition() const;
    /// The size of the client area, in pixels.
    QSize ClientSize() const;
    /// The prompt's text block, named "PromptText", or nothing when the window has none.
    markup::ElementPtr PromptText() const;
    /// The note under the header with the week and the day's description, named "DateNote", or
    /// nothing when the window shows neither.
    markup::ElementPtr DateNote() const;
    /// What the note under the header says for `date`: "Week 32", the day's description, or both.
    std::string DateNoteText(const runtime::Date& date) const;

protected:
    /// Builds the whole element tree, hands it to MarkupLabel1 and selects today.
    void BuildLayout();

    /// Builds column 0 (months), 1 (days) or 2 (years) into SliderGrids(column).
    void BuildSliderColumn(int32_t column);
    /// The widest text the column can show, in the font of its middle row; the first of equals.
    std::string WidestColumnText(int32_t column);
    /// How a column's cell texts align: left for months, right for days and years.
    int32_t ColumnAlignment(int32_t column) const;
    /// The point size of a row's text: 7, 8, 12, 8, 7 from the top.
    int32_t RowFontSize(int32_t row) const;
    /// A new brush for a row's cell background.
    markup::SolidColorBrushPtr RowBackground(int32_t row) const;
    /// A new brush for a row's cell text.
    markup::SolidColorBrushPtr RowForeground(int32_t row) const;

    /// The link panel of special-date link `index`: 0 for the day links 0..2, 1 otherwise.
    int32_t LinkColumnOf(int32_t index) const;
    /// A new margin for link `index`: a wider gap below the last link of each month.
    markup::ThicknessPtr LinkMargin(int32_t index) const;
    /// The caption of link `index`, or the empty text outside 0..8.
    std::string SpecialDateCaption(int32_t index) const;
    /// A new, unattached text block holding link `index`.
    markup::ElementPtr CreateSpecialDateLink(int32_t index);

    /// A new, unattached text block for the prompt, or nothing when there is none to show.
    std::shared_ptr<markup::TextBlock> BuildPrompt();
    /// A new, unattached note for under the header, or nothing when there is nothing to note.
    markup::ElementPtr BuildDateNote();
    /// Writes the note for the selected date, and marks the described days in the day column.
    void ShowDateNote();
    /// Once the note has its width, keeps in it the room of the tallest text it can show.
    void SizeDateNote();
    /// Grows the label, and with it the window, to hold the prompt, the note, the button row and
    /// any least size, the header and frame keeping their places to each other.
    void FitLabel(const std::shared_ptr<markup::TextBlock>& prompt, const markup::ElementPtr& note,
                  const markup::ElementPtr& frame, const markup::ElementPtr& buttonRow);

    /// Builds the row of Cancel and OK below the frame.
    markup::ElementPtr BuildDialogButtons();
    /// Shows on each dialog button whether the pointer is over it or pressing it.
    void ShowDialogButtonStates();
    /// Shows `buttonTip` as the window's tooltip, or, where it is empty and the pointer lies on a
    /// prompt cut short, the prompt.
    /// The whole prompt, as a tooltip, while the pointer rests on a prompt that was cut short.
    std::string PromptTip() const;

    /// Tells screen readers what a selection changed.
    void SelectionChanged(const slider::CellGrid& previous) override;
    /// The date as the header writes it, then the time where the window shows one.
    std::string HeaderText(const runtime::Date& selected) const override;
    /// With a time: the day of the time that a change of the date selects, past a day the clock skips.
    runtime::Date LandingDate(const runtime::Date& wanted) const override;

private:
    void BuildTimeColumns(markup::Panel& sliderRow);
    void StoreColumnGrid(int32_t column, std::shared_ptr<markup::Grid> grid);
    bool HasSeparatorAfter(int32_t column) const;
    void FitTimeToDate();
    void TimeChanged(const runtime::WallTime& previous);
    void StepTimeColumn(int32_t column, int32_t step);
    void SelectNow();
    bool SelectTypedTime(int32_t column);
    std::optional<runtime::WallTime> PastableTime() const;
    std::optional<runtime::WallTime> TakenTime(const runtime::Date& date, std::optional<int32_t> minute) const;
    void PasteDateAndTime();
    std::string IsoText() const;
    QString IsoInMenu() const;
    void ShowRefusedTimes();
    void ShowCellRefused(int32_t column, int32_t row, bool refused);
    void PublishHandlers();
    platform::LRESULT HandleMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    bool OuterRectangle(platform::RECT& rect) const;
    void ShowCursorOfLabel();
    void SelectNeighbours(const std::array<bool, slider::ColumnCount>& columns, int32_t step);
    void HandleKeyDown(int virtualKey);
    void HandleChar(char32_t character);
    void TakeTypedCharacter(int32_t column, char32_t character);
    /// Each selects what the entry names and tells whether it names anything yet.
    bool SelectTypedValue(int32_t column);
    bool SelectTypedName(int32_t column);
    /// The selected date as (month, day, year).
    std::array<int32_t, slider::ColumnCount> SelectedTriple() const;
    /// The date on the clipboard that a paste would select, or nothing.
    std::optional<runtime::Date> PastableDate() const;
    void PasteDate();
    /// Whether the script narrowed the dates that may be picked; only then is anything dimmed.
    bool Bounded() const;
    void ShowRefusedValues();
    void ShowRefusedLinks();
    markup::SolidColorBrushPtr LinkBrush(bool dimmed) const;
    void HandlePointer(platform::UINT message, platform::LPARAM lParam);
    /// The two forms in which the selected date is copied.
    enum class CopyForm { AsShown, Iso };
    void CopyDate(CopyForm form) const;
    void ShowContextMenu(platform::LPARAM at);
    QPoint ContextMenuPosition(platform::LPARAM at) const;
    void SetFocusIndex(int32_t index);
    void PlaceFocusForKey();
    void AnnounceFocus();
    void ScheduleRepaint();
    void Paint(QPainter& painter, const QRegion& area);
    /// The pixel size of a text that the design sets in `points`, scaled as SetTextFont asks.
    float TextPixels(int32_t points) const;
    /// How much the timeout bar adds to the client area, and where it moves the label to.
    QSize TimeoutIndicatorGrowth() const;
    QPoint TimeoutIndicatorShift() const;
    void StartTimeoutIndicator();
    void PaintTimeoutIndicator(QPainter& painter) const;
    // Each gives its part of the tree the brushes of the colour scheme in use.
    void RecolourLayout();
    void RecolourSliderColumns();
    void RecolourLinks();
    void RecolourDateNote();
    void RecolourDialogButtons();

    markup::MarkupLabelPtr markupLabel1_;
    QFont font_;
    std::string caption_;
    FormButtons buttons_ = FormButtons::None;
    std::optional<runtime::Date> startDate_;
    std::string prompt_;
    int32_t promptAlignment_ = markup::AlignStart;
    bool showWeeks_ = false;
    std::map<runtime::Date, std::string> dayDescriptions_;
    std::shared_ptr<markup::TextBlock> dateNoteText_;
    std::shared_ptr<markup::TextBlock> dateNoteSizing_;
    std::vector<ButtonDescription> dialogButtons_;
    int32_t defaultButton_ = -1;
    bool enterAccepts_ = false;
    EscapeKey escapeKey_ = EscapeKey::Decline;
    std::function<void(int32_t)> buttonHandler_;
    int32_t pressedButton_ = -1;
    QSize minimumClientSize_;
    DialogResult result_ = DialogResult::None;
    // The texts' sizes against the design's, from SetTextFont.
    double fontScale_ = 1.0;
    std::optional<int> borders_;
    TimeoutSide timeoutSide_ = TimeoutSide::None;
    int timeoutMilliseconds_ = 0;
    // When the window opened, in runtime::Milliseconds, for the timeout bar.
    int64_t shownAt_ = 0;
    platform::WindowStyle windowStyle_;
    platform::WindowPlacement placement_;
    bool closeOnUnfocus_ = false;
    // What the prompt, the button row and a least size add to the label and the window, in pixels.
    QSize grownBy_{0, 0};
    // What each dialog button shows: 0 plain, 1 hovered, 2 pressed.
    std::vector<int> buttonStates_;
    slider::ColumnOrder columnOrder_;
    bool inWheel_ = false;
    bool hooked_ = false;
    bool repaintScheduled_ = false;
    int32_t focusIndex_ = -1;
    // What has been typed into a column: the characters, the column, when the last one came
    // (platform::GetMessageTime), the date selected before the first, whose other columns
    // each selection keeps ("aug" must not lose the 31st on its way through April), and the
    // date the last one left selected.
    struct TypedEntry {
        std::u32string Characters;
        int32_t Column = -1;
        int64_t LastAt = 0;
        std::array<int32_t, slider::ColumnCount> Start{};
        std::array<int32_t, slider::ColumnCount> Left{};
        int32_t StartMinute = 0;
    };
    TypedEntry typed_;
    // Which cells (column by column, rows 0..4) show a value drawn dimmed as out of bounds.
    std::array<bool, (slider::ColumnCount + slider::TimeColumnCount) * slider::RowCount> dimmed_{};
    // Which of the nine links are drawn dimmed as out of bounds.
    std::array<bool, 9> dimmedLinks_{};
    std::unique_ptr<TimeSlider> time_;
    int32_t startMinute_ = 0;
    // The minute that the next change of the date asks for in place of the selected one.
    std::optional<int32_t> wantedMinute_;
    // The time that the change of the date under way selects, found with the day it lands on.
    mutable std::optional<runtime::WallTime> landing_;
    platform::HWND hWnd_ = 0;
    std::unique_ptr<platform::HostWindow> host_;
};
