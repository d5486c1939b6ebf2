#pragma once

#include "date/ColumnOrder.h"
#include "date/DateSlider.h"
#include "markup/MarkupLabel.h"
#include "platform/SystemColors.h"
#include "platform/WindowSystem.h"
#include "runtime/Dispatchable.h"
#include "window/ClientArea.h"
#include "window/ColumnFrame.h"
#include "window/ColumnTyping.h"
#include "window/DateClipboard.h"
#include "window/DateNote.h"
#include "window/DialogButtons.h"
#include "window/FormListener.h"
#include "window/FormSetup.h"
#include "window/FormSurface.h"
#include "window/KeyboardNavigation.h"
#include "window/Prompt.h"
#include "window/SliderColumns.h"
#include "window/SpecialDateLinks.h"
#include "window/TimeOfDay.h"
#include "window/TimeoutBar.h"

#include <QFont>

#include <any>
#include <memory>
#include <string>

/// The picker window: a header with the selected date, the slider columns and two panels of
/// special-date links, all drawn by the markup label MarkupLabel1. It owns the element tree, the
/// date and its parts, and hands each message to the part it concerns. Its handlers are also
/// reached by name: "CellClicked", "SpecialDateClicked" and "DialogButtonClicked" from the
/// label, "MouseWheel" from the wheel hook.
class Form1 : public runtime::Dispatchable, public DateSlider {
public:
    /// The window that `setup` describes; the design's window without one.
    explicit Form1(FormSetup setup = {});
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    /// The load event: builds the element tree, selects the start date, then hooks the mouse wheel.
    void Form_Load();
    /// The unload event: removes the wheel hook.
    void Form_Unload();
    /// Opens the window on screen.
    void Show();
    /// Tells `listener` what changes from now on.
    void SetListener(FormListener listener) { listener_ = std::move(listener); }
    /// Paints the window in the light or the dark colours from now on; the tree and the selected
    /// date stay as they are.
    void SetColorScheme(platform::ColorScheme scheme);

    /// A special-date link was clicked: selects the date its name stands for.
    void SpecialDateClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// A slider cell was clicked: selects the clicked value in its column.
    void CellClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// A dialog button was clicked: presses it.
    void DialogButtonClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// The wheel turned over the window: moves each hovered column one step.
    void MouseWheel(int32_t MouseKeys, int32_t Rotation, int32_t Xpos, int32_t Ypos);
    /// Moves column `column` (0 month, 1 day, 2 year, 3 hour, 4 minute, 5 AM/PM) one step within
    /// its own cycle, +1 on and -1 back, as a wheel notch does.
    void StepColumn(int32_t column, int32_t step);
    /// Acts as a click on special-date link `index` (0..8).
    void ActivateLink(int32_t index);

    /// The window title.
    const std::string& Caption() const { return caption_; }
    /// The selected date at the selected time (midnight without time columns).
    runtime::WallTime SelectedTime() const;
    /// The time columns' model, or nothing when the window shows no time.
    const TimeSlider* TimeColumns() const { return time_ ? &time_->Slider() : nullptr; }
    /// The grid of any column, date or time; nothing for a column not shown.
    markup::ElementPtr ColumnGrid(int32_t column) const;
    /// Where each date column stands, in the order the user's language writes dates.
    const slider::ColumnOrder& PlacedColumns() const { return columns_.Order(); }
    /// The keyboard focus: the columns at their places, the links 0..8, the dialog buttons.
    const KeyboardFocus& Focus() const { return keys_.Focus(); }
    /// The special-date links, the dialog and its buttons, and the note under the header.
    const SpecialDateLinks& Links() const { return links_; }
    DialogButtons& Dialog() { return dialog_; }
    const DialogButtons& Dialog() const { return dialog_; }
    const DateNote& Note() const { return note_; }
    /// The prompt's text block, named "PromptText", or nothing when the window has none.
    markup::ElementPtr PromptText() const { return prompt_.Element(); }
    /// The timeout bar.
    const TimeoutBar& TimeoutIndicator() const { return timeoutBar_; }
    /// The tip shown while the pointer rests on the window: what the link under it selects, the
    /// tip of the dialog button under it, the whole of a prompt cut short, or the empty text.
    std::string PointerTip() const;

    /// The window's handle, through whose procedure chain its messages travel.
    platform::HWND hWnd() const { return hWnd_; }
    /// The markup label that draws everything inside the window.
    const markup::MarkupLabelPtr& MarkupLabel1() const { return markupLabel1_; }
    /// The window font, with the name and size the last width measurement left in it.
    const QFont& Font() const { return font_; }
    /// True only while a MouseWheel call is being handled.
    bool InWheel() const { return inWheel_; }
    /// The real window, once shown.
    platform::HostWindow* Host() const { return surface_.Host(); }
    /// Where the markup label sits in the client area, and the client area's size, in pixels.
    QPointF LabelPosition() const { return surface_.LabelPosition(); }
    QSize ClientSize() const { return area_.ClientSize(); }

protected:
    /// Builds the whole element tree, hands it to MarkupLabel1 and selects the start date.
    void BuildLayout();
    /// Builds column `column` (0..5) into its grid.
    void BuildSliderColumn(int32_t column);
    /// The widest text column `column` can show, in the font of its middle row.
    std::string WidestColumnText(int32_t column);
    /// The links, as the part that owns them builds them.
    SpecialDateLinks& LinksPart() { return links_; }

    void SelectionChanged(const slider::CellGrid& previous) override;
    std::string HeaderText(const runtime::Date& selected) const override;
    runtime::Date LandingDate(const runtime::Date& wanted) const override;

private:
    void PublishHandlers();
    platform::LRESULT HandleMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    void ShowContextMenu(platform::LPARAM at);
    void ShowFocus(int32_t stop);
    void TimeChanged(const runtime::WallTime& previous);

    markup::MarkupLabelPtr markupLabel1_;
    QFont font_;
    std::string caption_;
    std::optional<runtime::Date> startDate_;
    platform::WindowStyle windowStyle_;
    platform::WindowPlacement placement_;
    TextScale scale_;
    std::unique_ptr<TimeOfDay> time_;
    ColumnFrame frame_;
    SliderColumns columns_;
    SpecialDateLinks links_;
    DateNote note_;
    Prompt prompt_;
    DialogButtons dialog_;
    TimeoutBar timeoutBar_;
    ClientArea area_;
    ColumnTyping typing_;
    DateClipboard clipboard_;
    KeyboardNavigation keys_;
    FormSurface surface_;
    FormListener listener_;
    bool inWheel_ = false;
    bool hooked_ = false;
    platform::HWND hWnd_ = 0;
};
