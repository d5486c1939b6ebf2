#include "window/TimeoutBar.h"

#include "markup/Colours.h"
#include "runtime/Clock.h"
#include "window/DesignColours.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int BarThickness = 4;
// Often enough that a bar some hundred pixels long moves a pixel or two at a time.
constexpr int RepaintIntervalMs = 30;

bool Horizontal(TimeoutSide side) { return side == TimeoutSide::Top || side == TimeoutSide::Bottom; }

} // namespace

TimeoutBar::TimeoutBar(TimeoutSide side, int milliseconds)
    : side_(milliseconds > 0 ? side : TimeoutSide::None), milliseconds_(milliseconds)
{
}

QSize TimeoutBar::Growth() const
{
    if (side_ == TimeoutSide::None)
        return {0, 0};
    return Horizontal(side_) ? QSize(0, BarThickness) : QSize(BarThickness, 0);
}

QPoint TimeoutBar::Shift() const
{
    switch (side_) {
    case TimeoutSide::Top: return {0, BarThickness};
    case TimeoutSide::Left: return {BarThickness, 0};
    default: return {0, 0};
    }
}

QRect TimeoutBar::Area(QSize client) const
{
    switch (side_) {
    case TimeoutSide::Top: return {0, 0, client.width(), BarThickness};
    case TimeoutSide::Bottom: return {0, client.height() - BarThickness, client.width(), BarThickness};
    case TimeoutSide::Left: return {0, 0, BarThickness, client.height()};
    case TimeoutSide::Right: return {client.width() - BarThickness, 0, BarThickness, client.height()};
    case TimeoutSide::None: break;
    }
    return {};
}

double TimeoutBar::TimeLeftFraction() const
{
    if (milliseconds_ <= 0)
        return 0;
    const auto elapsed = static_cast<double>(runtime::Milliseconds() - shownAt_);
    return std::clamp(1.0 - elapsed / milliseconds_, 0.0, 1.0);
}

void TimeoutBar::Start(QWidget& window)
{
    shownAt_ = runtime::Milliseconds();
    if (side_ == TimeoutSide::None)
        return;
    auto* repaint = new QTimer(&window);
    repaint->setInterval(RepaintIntervalMs);
    QObject::connect(repaint, &QTimer::timeout, &window, [this, &window] { window.update(Area(window.size())); });
    repaint->start();
}

// A horizontal bar keeps its left end and a vertical one its bottom, as a level that drains.
void TimeoutBar::Paint(QPainter& painter, QSize client) const
{
    const QRect strip = Area(client);
    const double left = TimeLeftFraction();
    QRectF bar(strip);
    if (Horizontal(side_))
        bar.setWidth(strip.width() * left);
    else
        bar.setTop(strip.bottom() + 1 - strip.height() * left);
    // The colour of the frame around the columns.
    painter.fillRect(bar, markup::DesignColour(design::CurrentColours().Frame));
}
