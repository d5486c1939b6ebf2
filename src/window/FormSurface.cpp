#include "window/FormSurface.h"

#include "markup/Colours.h"
#include "platform/Cursors.h"
#include "platform/HostWindow.h"
#include "window/FormDesign.h"

#include <QPainter>

FormSurface::FormSurface(markup::MarkupLabel& label, const ClientArea& area, TimeoutBar& bar)
    : label_(label), area_(area), bar_(bar)
{
}

FormSurface::~FormSurface() { Release(); }

void FormSurface::Release()
{
    if (host_)
        label_.SetChangeListener(nullptr);
    host_.reset();
}

void FormSurface::Show(platform::HWND hWnd, const std::string& caption, const platform::WindowStyle& style,
                       const platform::WindowPlacement& placement, const std::function<void()>& made)
{
    if (!host_) {
        host_ = std::make_unique<platform::HostWindow>(hWnd);
        host_->setWindowTitle(QString::fromStdString(caption));
        host_->setFixedSize(area_.ClientSize());
        host_->SetPaintFunction([this](QPainter& painter, const QRegion& area) { Paint(painter, area); });
        label_.SetChangeListener([this] { ScheduleRepaint(); });
        host_->Prepare(style, placement);
        made();
        bar_.Start(*host_);
    }
    host_->show();
}

QPointF FormSurface::LabelPosition() const
{
    return area_.LabelPosition(host_ ? host_->size() : area_.ClientSize());
}

QPoint FormSurface::OnScreen(QPointF inLabel) const
{
    const QPoint inClient = (inLabel + LabelPosition()).toPoint();
    return host_ ? host_->mapToGlobal(inClient) : inClient;
}

bool FormSurface::OuterRectangle(platform::RECT& rect) const { return host_ && host_->OuterRectangle(rect); }

// Pointer positions arrive in client coordinates; the markup label wants its own.
bool FormSurface::Pointer(platform::UINT message, platform::LPARAM lParam)
{
    const QPointF atLabel = QPointF(platform::SignedLowWord(static_cast<uintptr_t>(lParam)),
                                    platform::SignedHighWord(static_cast<uintptr_t>(lParam))) - LabelPosition();
    switch (message) {
    case platform::WM_MOUSEMOVE:
        label_.MouseMove(atLabel);
        return true;
    case platform::WM_LBUTTONDOWN:
        label_.MouseDown(atLabel);
        return true;
    case platform::WM_LBUTTONUP:
        label_.MouseUp(atLabel);
        return true;
    case platform::WM_MOUSELEAVE:
        label_.MouseLeave();
        return true;
    default:
        return false;
    }
}

QPoint FormSurface::MenuPosition(platform::LPARAM at) const
{
    const int x = platform::SignedLowWord(static_cast<uintptr_t>(at));
    const int y = platform::SignedHighWord(static_cast<uintptr_t>(at));
    if (x != -1 || y != -1)
        return {x, y};
    label_.UpdateLayout();
    QPointF inLabel = QRectF(QPointF(), label_.Size()).center();
    if (const markup::ElementPtr& focused = label_.FocusElement())
        inLabel = focused->Bounds().center();
    return OnScreen(inLabel);
}

void FormSurface::ShowPointer(const std::string& tip)
{
    if (!host_)
        return;
    host_->setCursor(platform::CursorShapeOf(label_.CursorId()));
    host_->SetPointerTip(QString::fromStdString(tip));
}

void FormSurface::RepaintAll()
{
    if (host_)
        host_->update();
}

void FormSurface::Close()
{
    if (host_)
        host_->Destroy();
}

void FormSurface::Paint(QPainter& painter, const QRegion& area)
{
    const QPoint origin = LabelPosition().toPoint();
    const QRect labelArea(origin, label_.Size().toSize());
    for (const QRect& margin : area - labelArea)
        painter.fillRect(margin, markup::DesignColour(design::LabelBackColor));
    if (bar_.Shown())
        bar_.Paint(painter, host_ ? host_->size() : area_.ClientSize());
    painter.translate(origin);
    label_.Paint(painter, area.translated(-origin) & QRect(QPoint(0, 0), labelArea.size()));
}

// Changes arrive one property at a time (SetDate writes sixteen texts), so the repaint waits
// for the event loop and then covers just what changed.
void FormSurface::ScheduleRepaint()
{
    if (repaintScheduled_ || !host_)
        return;
    repaintScheduled_ = true;
    QMetaObject::invokeMethod(
        host_.get(),
        [this] {
            repaintScheduled_ = false;
            host_->update(label_.TakeChangedArea().translated(LabelPosition().toPoint()));
        },
        Qt::QueuedConnection);
}
