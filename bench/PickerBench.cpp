// In-process timings of the picker's hot paths, on the offscreen platform at 96 dpi.
// Budgets (medians): layout plus a full paint under 2 ms; SetDate plus repaint under 0.5 ms;
// one wheel message end to end under 1 ms; one mouse move with hover under 0.1 ms; a step
// with 50,000 day descriptions, or 50,000 lines of one day's, as fast as one without.

#include "markup/MarkupLabel.h"
#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/Locale.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A loaded window, shown on the offscreen platform, with the pointer over the year column;
// with time columns where asked.
class LoadedWindow {
public:
    explicit LoadedWindow(bool withTime = false) : form(SetupOf(withTime))
    {
        form.Form_Load();
        form.Show();
        form.MarkupLabel1()->UpdateLayout();
    }
    ~LoadedWindow() { form.Form_Unload(); }
    static FormSetup SetupOf(bool withTime)
    {
        FormSetup setup;
        const slider::DateRange all = slider::SelectableYears();
        if (withTime)
            setup.Time = TimeColumnsSetup{
                {1, runtime::CurrentClockStyle(), {all.First, 0}, {all.Last, runtime::MinutesPerDay - 1}}, 21 * 60 + 5};
        return setup;
    }
    QPointF CentreOf(int column) const { return form.ColumnGrid(column)->Bounds().center(); }

    Form1 form;
    QImage image{502, 234, QImage::Format_ARGB32_Premultiplied};
};

// Paints all of the label into an image.
void PaintInto(QImage& image, markup::MarkupLabel& label)
{
    QPainter painter(&image);
    label.Paint(painter);
}

// Repaints what changed, as the window does once the event loop comes round.
void RepaintChangesInto(QImage& image, markup::MarkupLabel& label)
{
    QPainter painter(&image);
    label.Paint(painter, label.TakeChangedArea());
}

void BuildLayoutAndFirstPaint(benchmark::State& state)
{
    QImage image(502, 234, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Form1 form;
        form.Form_Load();
        PaintInto(image, *form.MarkupLabel1());
        form.Form_Unload();
    }
}
BENCHMARK(BuildLayoutAndFirstPaint)->Unit(benchmark::kMicrosecond);

void LayoutAndFullPaint(benchmark::State& state)
{
    LoadedWindow window;
    QImage image(502, 234, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.form.MarkupLabel1()->Invalidate();
        PaintInto(image, *window.form.MarkupLabel1());
    }
}
BENCHMARK(LayoutAndFullPaint)->Unit(benchmark::kMicrosecond);

void SetDateAndRepaint(benchmark::State& state)
{
    LoadedWindow window;
    int day = 1;
    for (auto _ : state) {
        day = day % 28 + 1;
        window.form.SetDate(6, day, 2025);
        RepaintChangesInto(window.image, *window.form.MarkupLabel1());
    }
}
BENCHMARK(SetDateAndRepaint)->Unit(benchmark::kMicrosecond);

// Loads and shows `form`, then steps its day column back and forth, one step a round, each
// painted as the screen would get it.
void StepTheDayToAndFro(Form1& form, benchmark::State& state)
{
    form.Form_Load();
    form.Show();
    QImage image(form.ClientSize(), QImage::Format_ARGB32_Premultiplied);
    int32_t step = 1;
    for (auto _ : state) {
        step = -step;
        form.StepColumn(1, step);
        RepaintChangesInto(image, *form.MarkupLabel1());
    }
    form.Form_Unload();
}

// A step of the day column with a day description for each of `state.range(0)` days around
// it: a step must cost the same whatever the length of the file.
void StepWithDayDescriptions(benchmark::State& state)
{
    std::map<runtime::Date, std::string> descriptions;
    const runtime::Date first = runtime::Date::FromParts(1900, 1, 1);
    for (int32_t day = 0; day < state.range(0); ++day)
        descriptions.emplace(first.AddDays(day), "Appointment " + std::to_string(day) + " about the plans for the week");
    FormSetup setup;
    setup.DayDescriptions = std::move(descriptions);
    setup.StartDate = runtime::Date::FromParts(1950, 6, 1);
    Form1 form(std::move(setup));
    StepTheDayToAndFro(form, state);
}
BENCHMARK(StepWithDayDescriptions)->Arg(0)->Arg(50000)->Unit(benchmark::kMicrosecond);

// A step onto a day with `state.range(0)` lines of description and back: the note shows a few
// of them, so a step costs the same however many the day has.
void StepOntoOneDayOfManyDescriptions(benchmark::State& state)
{
    std::string lines;
    for (int32_t line = 0; line < state.range(0); ++line)
        lines += (line ? "\n" : "") + ("Appointment " + std::to_string(line) + " about the plans for the week");
    const runtime::Date described = runtime::Date::FromParts(2024, 9, 25);
    FormSetup setup;
    setup.DayDescriptions = {{described, lines}};
    setup.StartDate = described;
    Form1 form(std::move(setup));
    StepTheDayToAndFro(form, state);
}
BENCHMARK(StepOntoOneDayOfManyDescriptions)->Arg(1)->Arg(50000)->Unit(benchmark::kMicrosecond);

// One wheel notch over the day column (argument 0), and in a window with time columns over the
// day column (1) and over the minute column (2): the last two reach the screen alike.
void WheelMessageEndToEnd(benchmark::State& state)
{
    LoadedWindow window(state.range(0) > 0);
    const int column = state.range(0) == 2 ? slider::MinuteColumn : slider::DayColumn;
    const QPointF over = window.CentreOf(column) + window.form.LabelPosition();
    platform::SendMessageA(window.form.hWnd(), platform::WM_MOUSEMOVE, 0, platform::MakeLParam(int(over.x()), int(over.y())));
    platform::RECT outer;
    platform::GetWindowRect(window.form.hWnd(), &outer);
    const platform::LPARAM at = platform::MakeLParam(outer.left + 10, outer.top + 10);
    int rotation = 120;
    for (auto _ : state) {
        rotation = -rotation;
        platform::SendMessageA(window.form.hWnd(), platform::WM_MOUSEWHEEL, platform::MakeWheelWParam(0, rotation), at);
        RepaintChangesInto(window.image, *window.form.MarkupLabel1());
    }
    if (window.form.CellValues()(2, 1) == 0 || !window.form.ColumnGrid(column)->IsMouseOver())
        state.SkipWithError("the wheel did not reach the column");
}
BENCHMARK(WheelMessageEndToEnd)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void MouseMoveWithHover(benchmark::State& state)
{
    LoadedWindow window;
    const QPointF points[] = {window.CentreOf(0) + window.form.LabelPosition(),
                              window.CentreOf(2) + window.form.LabelPosition()};
    int next = 0;
    for (auto _ : state) {
        const QPointF at = points[next ^= 1];
        platform::SendMessageA(window.form.hWnd(), platform::WM_MOUSEMOVE, 0,
                               platform::MakeLParam(int(at.x()), int(at.y())));
    }
}
BENCHMARK(MouseMoveWithHover)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    markup::MarkupLabel::RegisterProgId();
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::UseLogicalDpi(96);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
