// The bar that shows how long a dialog with a timeout has left: a strip on one side of the
// window, added to the window's size so that it covers nothing, full when the window opens and
// shrinking to nothing at the timeout.

#include "window/Form1.h"

#include "markup/Colours.h"
#include "platform/HostWindow.h"
#include "runtime/Clock.h"
#include "window/DesignColours.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int BarThickness = 4;
// Often enough that a bar some hundred pixels long moves a pixel or two at a time.
constexpr int RepaintIntervalMs = 30;

bool Horizontal(TimeoutSide side) { return side == TimeoutSide::Top || side == TimeoutSide::Bottom; }

} // namespace

void Form1::SetTimeoutIndicator(TimeoutSide side, int milliseconds)
{
    timeoutSide_ = milliseconds > 0 ? side : TimeoutSide::None;
    timeoutMilliseconds_ = milliseconds;
}

QSize Form1::TimeoutIndicatorGrowth() const
{
    if (timeoutSide_ == TimeoutSide::None)
        return {0, 0};
    return Horizontal(timeoutSide_) ? QSize(0, BarThickness) : QSize(BarThickness, 0);
}

QPoint Form1::TimeoutIndicatorShift() const
{
    switch (timeoutSide_) {
    case TimeoutSide::Top: return {0, BarThickness};
    case TimeoutSide::Left: return {BarThickness, 0};
    default: return {0, 0};
    }
}

QRect Form1::TimeoutIndicatorArea() const
{
    const QSize client = host_ ? host_->size() : ClientSize();
    switch (timeoutSide_) {
    case TimeoutSide::Top: return {0, 0, client.width(), BarThickness};
    case TimeoutSide::Bottom: return {0, client.height() - BarThickness, client.width(), BarThickness};
    case TimeoutSide::Left: return {0, 0, BarThickness, client.height()};
    case TimeoutSide::Right: return {client.width() - BarThickness, 0, BarThickness, client.height()};
    case TimeoutSide::None: break;
    }
    return {};
}

double Form1::TimeLeftFraction() const
{
    if (timeoutMilliseconds_ <= 0)
        return 0;
    const auto elapsed = static_cast<double>(runtime::Milliseconds() - shownAt_);
    return std::clamp(1.0 - elapsed / timeoutMilliseconds_, 0.0, 1.0);
}

void Form1::StartTimeoutIndicator()
{
    shownAt_ = runtime::Milliseconds();
    if (timeoutSide_ == TimeoutSide::None)
        return;
    auto* repaint = new QTimer(host_.get());
    repaint->setInterval(RepaintIntervalMs);
    QObject::connect(repaint, &QTimer::timeout, host_.get(), [this] { host_->update(TimeoutIndicatorArea()); });
    repaint->start();
}

// A horizontal bar keeps its left end and a vertical one its bottom, as a level that drains.
void Form1::PaintTimeoutIndicator(QPainter& painter) const
{
    const QRect strip = TimeoutIndicatorArea();
    const double left = TimeLeftFraction();
    QRectF bar(strip);
    if (Horizontal(timeoutSide_))
        bar.setWidth(strip.width() * left);
    else
        bar.setTop(strip.bottom() + 1 - strip.height() * left);
    // The colour of the frame around the columns.
    painter.fillRect(bar, markup::DesignColour(design::CurrentColours().Frame));
}
