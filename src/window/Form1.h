#pragma once

#include "date/DateSlider.h"
#include "markup/MarkupLabel.h"
#include "platform/WindowSystem.h"
#include "runtime/Dispatchable.h"

#include <QFont>
#include <QPointF>
#include <QRegion>

#include <any>
#include <memory>
#include <string>

namespace platform {
class HostWindow;
}
class QPainter;

/// The picker window: a header with the selected date, three slider columns and two panels
/// of special-date links, all drawn by the markup label MarkupLabel1.
/// Its public handlers are also reached by name: "CellClicked" and "SpecialDateClicked" from
/// the markup label, "MouseWheel" from the wheel hook.
class Form1 : public runtime::Dispatchable, public DateSlider {
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

    /// A special-date link was clicked: selects the date its name stands for.
    void SpecialDateClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// A slider cell was clicked: selects the clicked value in its column.
    void CellClicked(const markup::ElementPtr& Sender, const std::any& Args);
    /// The wheel turned over the window: moves each hovered column one step.
    void MouseWheel(int32_t MouseKeys, int32_t Rotation, int32_t Xpos, int32_t Ypos);

    platform::HWND hWnd() const { return hWnd_; }
    const markup::MarkupLabelPtr& MarkupLabel1() const { return markupLabel1_; }
    /// The window font, with the name and size the last width measurement left in it.
    const QFont& Font() const { return font_; }
    /// True only while a MouseWheel call is being handled.
    bool InWheel() const { return inWheel_; }
    /// The real window, once shown.
    platform::HostWindow* Host() const { return host_.get(); }
    /// Where the markup label sits in the client area, in pixels.
    QPointF LabelPosition() const;

protected:
    void BuildLayout();

    void BuildSliderColumn(int32_t column);
    std::string WidestColumnText(int32_t column);
    int32_t ColumnAlignment(int32_t column) const;
    int32_t RowFontSize(int32_t row) const;
    markup::SolidColorBrushPtr RowBackground(int32_t row) const;
    markup::SolidColorBrushPtr RowForeground(int32_t row) const;

    int32_t LinkColumnOf(int32_t index) const;
    markup::ThicknessPtr LinkMargin(int32_t index) const;
    std::string SpecialDateCaption(int32_t index) const;
    markup::ElementPtr CreateSpecialDateLink(int32_t index);

private:
    void PublishHandlers();
    platform::LRESULT HandleMessage(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    bool OuterRectangle(platform::RECT& rect) const;
    void ShowCursorOfLabel();
    void ScheduleRepaint();
    void Paint(QPainter& painter, const QRegion& area);

    markup::MarkupLabelPtr markupLabel1_;
    QFont font_;
    bool inWheel_ = false;
    bool hooked_ = false;
    bool repaintScheduled_ = false;
    platform::HWND hWnd_ = 0;
    std::unique_ptr<platform::HostWindow> host_;
};
