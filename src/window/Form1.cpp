#include "window/Form1.h"

#include "markup/Colours.h"
#include "markup/modXaml.h"
#include "platform/Cursors.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "runtime/LoadedForms.h"
#include "wheel/modHookMouseWheel.h"
#include "window/Accessibility.h"
#include "window/FormDesign.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {

int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

} // namespace

Form1::Form1() : markupLabel1_(std::make_shared<markup::MarkupLabel>()), caption_(design::Caption)
{
    markupLabel1_->Font() = {design::LabelFontName, design::LabelFontSize, 400};
    markupLabel1_->SetForeColor(design::LabelForeColor);
    markupLabel1_->SetBackColor(design::LabelBackColor);
    markupLabel1_->SetSize(QSizeF(TwipsToPixelsX(design::LabelWidth), TwipsToPixelsY(design::LabelHeight)));
    font_ = QFont(design::WindowFontName);
    font_.setPointSizeF(design::WindowFontSize);

    hWnd_ = CreateWindowHandle({
        [this](UINT message, WPARAM wParam, LPARAM lParam) { return HandleMessage(message, wParam, lParam); },
        [this](RECT& rect) { return OuterRectangle(rect); },
    });
    runtime::AddLoadedForm(*this, hWnd_);
    PublishHandlers();
}

Form1::~Form1()
{
    if (hooked_)
        Form_Unload();
    if (host_)
        accessibility::Forget(*this);
    markupLabel1_->SetChangeListener(nullptr);
    markupLabel1_->SetHandlerObject(nullptr);
    host_.reset();
    runtime::RemoveLoadedForm(*this);
    DestroyWindowHandle(hWnd_);
}

void Form1::PublishHandlers()
{
    using runtime::ArgumentAs;
    Publish("CellClicked", [this](const Arguments& arguments) {
        CellClicked(ArgumentAs<markup::ElementPtr>(arguments, 0), arguments.size() > 1 ? arguments[1] : std::any());
        return std::any();
    });
    Publish("SpecialDateClicked", [this](const Arguments& arguments) {
        SpecialDateClicked(ArgumentAs<markup::ElementPtr>(arguments, 0), arguments.size() > 1 ? arguments[1] : std::any());
        return std::any();
    });
    Publish("DialogButtonClicked", [this](const Arguments& arguments) {
        DialogButtonClicked(ArgumentAs<markup::ElementPtr>(arguments, 0), arguments.size() > 1 ? arguments[1] : std::any());
        return std::any();
    });
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

void Form1::SetTextFont(const std::string& family, double points)
{
    if (!family.empty())
        markupLabel1_->Font().Name = family;
    if (points <= 0)
        return;
    // The label's own size is that of the links and buttons; the design's other sizes follow it.
    fontScale_ = points / markupLabel1_->Font().Size;
    markupLabel1_->Font().Size = points;
}

float Form1::TextPixels(int32_t points) const
{
    return static_cast<float>(modXaml::PointsToPixels(points) * fontScale_);
}

void Form1::SetWindowStyle(platform::WindowStyle style, platform::WindowPlacement placement)
{
    windowStyle_ = std::move(style);
    placement_ = placement;
}

QPointF Form1::LabelPosition() const
{
    const QPoint margin = borders_ ? QPoint(*borders_, *borders_)
                                   : QPoint(TwipsToPixelsX(design::LabelLeft), TwipsToPixelsY(design::LabelTop));
    // A window that the window manager made larger (maximised, full screen) keeps the content
    // in its middle.
    const QSize spare = host_ ? host_->size() - ClientSize() : QSize(0, 0);
    const QPoint centring(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
    return QPointF(margin + TimeoutIndicatorShift() + centring);
}

QSize Form1::ClientSize() const
{
    const QSize margins = borders_ ? QSize(2 * *borders_, 2 * *borders_)
                                   : QSize(TwipsToPixelsX(design::ClientWidth), TwipsToPixelsY(design::ClientHeight));
    return margins + grownBy_ + TimeoutIndicatorGrowth();
}

void Form1::Show()
{
    if (!host_) {
        host_ = std::make_unique<HostWindow>(hWnd_);
        host_->setWindowTitle(QString::fromStdString(caption_));
        host_->setFixedSize(ClientSize());
        host_->SetPaintFunction([this](QPainter& painter, const QRegion& area) { Paint(painter, area); });
        markupLabel1_->SetChangeListener([this] { ScheduleRepaint(); });
        host_->Prepare(windowStyle_, placement_);
        accessibility::Install(*this);
        StartTimeoutIndicator();
    }
    host_->show();
}

void Form1::Paint(QPainter& painter, const QRegion& area)
{
    const QPoint origin = LabelPosition().toPoint();
    const QRect labelArea(origin, markupLabel1_->Size().toSize());
    for (const QRect& margin : area - labelArea)
        painter.fillRect(margin, markup::DesignColour(design::LabelBackColor));
    if (timeoutSide_ != TimeoutSide::None)
        PaintTimeoutIndicator(painter);
    painter.translate(origin);
    markupLabel1_->Paint(painter, area.translated(-origin) & QRect(QPoint(0, 0), labelArea.size()));
}

// Changes arrive one property at a time (SetDate writes sixteen texts), so the repaint waits
// for the event loop and then covers just what changed.
void Form1::ScheduleRepaint()
{
    if (repaintScheduled_ || !host_)
        return;
    repaintScheduled_ = true;
    QMetaObject::invokeMethod(
        host_.get(),
        [this] {
            repaintScheduled_ = false;
            host_->update(markupLabel1_->TakeChangedArea().translated(LabelPosition().toPoint()));
        },
        Qt::QueuedConnection);
}

void Form1::SelectionChanged(const slider::CellGrid& previous)
{
    if (time_)
        FitTimeToDate();
    ShowRefusedValues();
    ShowRefusedLinks();
    ShowDateNote();
    accessibility::AnnounceSelection(*this, previous);
}

void Form1::AnnounceFocus() { accessibility::AnnounceFocus(*this); }

bool Form1::OuterRectangle(RECT& rect) const { return host_ && host_->OuterRectangle(rect); }

void Form1::ShowCursorOfLabel()
{
    if (host_)
        host_->setCursor(CursorShapeOf(markupLabel1_->CursorId()));
}

// The window's original procedure: keys and commands go to the window's own handling,
// pointer input to the markup label.
LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        HandleKeyDown(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        HandleChar(static_cast<char32_t>(wParam));
        return 0;
    case WM_PASTE:
        PasteDate();
        return 0;
    // The Copy and Menu keys, and Shift+F10, arrive as commands; like any other key they end
    // what was being typed into a column.
    case WM_APPCOMMAND:
        typed_ = {};
        if (AppCommandOf(lParam) != APPCOMMAND_COPY)
            return 0;
        CopyDate(CopyForm::AsShown);
        return 1;
    case WM_CONTEXTMENU:
        typed_ = {};
        ShowContextMenu(lParam);
        return 0;
    case WM_CLOSE:
        EndDialog(DialogResult::Cancel);
        return 0;
    case WM_ACTIVATE:
        // Whatever Escape is set to do, nobody accepted the date by looking elsewhere.
        if (closeOnUnfocus_ && wParam == WA_INACTIVE)
            EndDialog(DialogResult::Cancel);
        return 0;
    default:
        HandlePointer(message, lParam);
        return 0;
    }
}

// Pointer positions arrive in client coordinates; the markup label wants its own.
void Form1::HandlePointer(UINT message, LPARAM lParam)
{
    const QPointF atLabel = QPointF(SignedLowWord(static_cast<uintptr_t>(lParam)),
                                    SignedHighWord(static_cast<uintptr_t>(lParam))) - LabelPosition();
    switch (message) {
    case WM_MOUSEMOVE:
        markupLabel1_->MouseMove(atLabel);
        break;
    case WM_LBUTTONDOWN:
        markupLabel1_->MouseDown(atLabel);
        break;
    case WM_LBUTTONUP:
        markupLabel1_->MouseUp(atLabel);
        break;
    case WM_MOUSELEAVE:
        markupLabel1_->MouseLeave();
        break;
    default:
        return;
    }
    ShowCursorOfLabel();
    ShowDialogButtonStates();
    // The window shows the tip of the link or button under the pointer as its own.
    if (host_)
        host_->SetPointerTip(QString::fromStdString(PointerTip()));
}
