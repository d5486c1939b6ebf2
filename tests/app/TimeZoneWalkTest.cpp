// Walks every zone of the system's time zone database. Around each change of its offset from 1970
// to 2040, on each day it skips and at the calendar's ends, a picker started from a seeded command
// line, then stepped, clicked, typed into and pasted into at random, selects a moment that the
// local clock shows, within the bounds and on the step; a command line is refused only when its
// bounds and step leave no such moment.

#include "support/PickedMoment.h"

#include "date/SliderValues.h"
#include "runtime/LocalTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>

using runtime::WallTime;

namespace {

constexpr time_t SecondsPerDay = 86400;
constexpr time_t WalkFrom = 0;           // 1970-01-01 UTC
constexpr time_t WalkTo = 2240611200;    // 2041-01-01 UTC
constexpr int StartsPerZone = 5;
constexpr int ActionsPerStart = 8;
constexpr int ExamplesPerKind = 3;


// The zones with rules of their own: links and copies of a zone are walked once.
std::vector<std::string> DistinctZones()
{
    namespace fs = std::filesystem;
    const fs::path root = "/usr/share/zoneinfo";
    std::set<std::string> rules;
    std::vector<std::string> zones;
    for (auto entry = fs::recursive_directory_iterator(root); entry != fs::recursive_directory_iterator(); ++entry) {
        const std::string name = entry->path().filename().string();
        if (entry->is_directory() && (name == "posix" || name == "right"))
            entry.disable_recursion_pending();
        if (entry->is_symlink() || !entry->is_regular_file())
            continue;
        std::ifstream file(entry->path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (bytes.rfind("TZif", 0) == 0 && rules.insert(bytes).second)
            zones.push_back(entry->path().lexically_relative(root).string());
    }
    std::sort(zones.begin(), zones.end());
    return zones;
}

long OffsetAt(time_t at)
{
    std::tm parts{};
    localtime_r(&at, &parts);
    return parts.tm_gmtoff;
}

// The local zone's changes of its offset from UTC, each at the first second of the new one:
// found day by day, then to the second.
std::vector<time_t> Transitions()
{
    std::vector<time_t> found;
    long offset = OffsetAt(WalkFrom);
    for (time_t day = WalkFrom; day < WalkTo; day += SecondsPerDay) {
        const long next = OffsetAt(day + SecondsPerDay);
        if (next == offset)
            continue;
        time_t low = day, high = day + SecondsPerDay;
        while (high - low > 1) {
            const time_t middle = low + (high - low) / 2;
            (OffsetAt(middle) == offset ? low : high) = middle;
        }
        found.push_back(high);
        offset = next;
    }
    return found;
}

WallTime WallAt(time_t at)
{
    std::tm parts{};
    localtime_r(&at, &parts);
    return {runtime::Date::FromParts(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
            parts.tm_hour * runtime::MinutesPerHour + parts.tm_min};
}

WallTime Shifted(const WallTime& time, int minutes)
{
    const int total = time.Minute + minutes;
    const int days = total >= 0 ? total / runtime::MinutesPerDay : -((-total + runtime::MinutesPerDay - 1) / runtime::MinutesPerDay);
    return {time.Day.AddDays(days), total - days * runtime::MinutesPerDay};
}

QString Iso(const WallTime& time) { return QString::fromStdString(runtime::IsoText(time)); }

// Whether a command line's bounds and step leave a moment to pick. Bounds days apart always do:
// no zone skips more than a day.
bool LeavesAMoment(const app::PickerOptions& asked)
{
    const slider::DateRange calendar = slider::SelectableYears();
    const WallTime first{asked.minDate.value_or(calendar.First), asked.minMinute.value_or(0)};
    const WallTime last{asked.maxDate.value_or(calendar.Last), asked.maxMinute.value_or(runtime::MinutesPerDay - 1)};
    if (first.Day.AddDays(3) < last.Day)
        return true;
    for (WallTime time = first; time <= last; time = Shifted(time, 1))
        if (time.Minute % asked.minuteStep == 0 && ClockShows(time))
            return true;
    return false;
}

class ZoneWalk {
public:
    ZoneWalk(std::string zone, std::map<std::string, int>& kinds) : zone_(std::move(zone)), kinds_(&kinds) { }

    // Starts a picker from `arguments`, then acts on it at random, checking it after each step.
    void Start(QStringList arguments, std::mt19937& random)
    {
        arguments.prepend(QStringLiteral("datepicker"));
        StartedPicker started = StartFromCommandLine(arguments);
        const QString run = QStringLiteral("TZ=%1 %2").arg(QString::fromStdString(zone_), arguments.join(u' '));
        ++starts_;
        if (started.Read.outcome == app::CommandLineOutcome::Refuse) {
            // What a refusal would have needed: the same command line with bounds only.
            app::PickerOptions asked;
            ReadBounds(arguments, asked);
            if (LeavesAMoment(asked))
                Fail(run, "refused: " + started.Read.text.trimmed().toStdString());
            return;
        }
        if (!started.Problem.empty() || !started.Form)
            return Fail(run, started.Problem);
        QString acts;
        const WallTime picked = started.Form->SelectedTime();
        for (int action = 0; action < ActionsPerStart; ++action) {
            const auto kind = static_cast<uint32_t>(random()), value = static_cast<uint32_t>(random());
            const WallTime near = Shifted(picked, static_cast<int>(random() % 4320) - 2160);
            const std::string pasted = (random() % 2 ? Iso(near) : Iso(near).left(10)).toStdString();
            ActOn(*started.Form, kind, value, pasted);
            acts += QStringLiteral(" %1/%2/%3").arg(kind % ActionCount).arg(value).arg(QString::fromStdString(pasted));
            if (const std::string problem = MomentInconsistency(*started.Form, started.Read.options); !problem.empty())
                return Fail(run + " then actions" + acts, problem);
        }
    }

    int Starts() const { return starts_; }
    int Failures() const { return failures_; }
    const std::string& Report() const { return report_; }

private:
    static void ReadBounds(const QStringList& arguments, app::PickerOptions& asked)
    {
        for (qsizetype index = 1; index + 1 < arguments.size(); ++index) {
            const QString value = arguments[index + 1];
            const auto wall = [&value] {
                const runtime::Date day = runtime::Date::FromParts(value.left(4).toInt(), value.mid(5, 2).toInt(),
                                                                   value.mid(8, 2).toInt());
                return std::pair(day, value.mid(11, 2).toInt() * 60 + value.mid(14, 2).toInt());
            };
            if (arguments[index] == u"--min-date")
                std::tie(asked.minDate, asked.minMinute) = wall();
            else if (arguments[index] == u"--max-date")
                std::tie(asked.maxDate, asked.maxMinute) = wall();
            else if (arguments[index] == u"--minute-step")
                asked.minuteStep = value.toInt();
        }
    }

    // The first few runs of each kind of problem (the same words, whatever the numbers).
    void Fail(const QString& run, const std::string& problem)
    {
        ++failures_;
        std::string kind = problem;
        std::replace_if(kind.begin(), kind.end(), [](char c) { return c >= '0' && c <= '9'; }, '#');
        if (++(*kinds_)[kind] <= ExamplesPerKind)
            report_ += run.toStdString() + "\n    " + problem + "\n";
    }

    std::string zone_;
    std::map<std::string, int>* kinds_;
    int starts_ = 0;
    int failures_ = 0;
    std::string report_;
};

QStringList WithStep(QStringList arguments, int step)
{
    if (step > 1)
        arguments << QStringLiteral("--minute-step") << QString::number(step);
    return arguments << QStringLiteral("--time");
}

} // namespace

TEST(TimeZoneWalk, EveryPickedMomentShowsOnTheLocalClockWithinTheBoundsAndOnTheStep)
{
    static constexpr int steps[] = {1, 1, 2, 5, 10, 15, 20, 30};
    const char* const savedZone = std::getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    std::mt19937 random(20111230);
    const std::vector<std::string> zones = DistinctZones();
    ASSERT_GT(zones.size(), 300u);
    const slider::DateRange calendar = slider::SelectableYears();
    int starts = 0, failures = 0;
    std::string report;
    std::map<std::string, int> kinds;
    for (const std::string& zone : zones) {
        setenv("TZ", zone.c_str(), 1);
        tzset();
        ZoneWalk walk(zone, kinds);
        const std::vector<time_t> transitions = Transitions();
        const auto step = [&random] { return steps[random() % std::size(steps)]; };
        // Around a seeded choice of the zone's changes: a start, a bound on either side, and
        // both bounds close together, all near the change.
        for (int start = 0; start < StartsPerZone && !transitions.empty(); ++start) {
            const WallTime after = WallAt(transitions[random() % transitions.size()]);
            const WallTime near = Shifted(after, static_cast<int>(random() % 180) - 120);
            const int days = 1 + static_cast<int>(random() % 3);
            const QStringList cases[] = {
                {"--date", Iso(near)},
                {"--date", Iso(Shifted(near, days * 1440)), "--max-date", Iso(near)},
                {"--date", Iso(Shifted(near, -days * 1440)), "--min-date", Iso(near)},
                {"--min-date", Iso(near), "--max-date", Iso(Shifted(near, static_cast<int>(random() % 75)))},
            };
            walk.Start(WithStep(cases[random() % std::size(cases)], step()), random);
        }
        // Each day the clock skips whole: started on it, bounded by it, or reached from the day before.
        for (const time_t change : transitions)
            for (runtime::Date day = WallAt(change - 1).Day.AddDays(1); day < WallAt(change).Day; day = day.AddDays(1)) {
                const WallTime noon{day, 12 * 60};
                for (const QStringList& arguments :
                     {QStringList{"--date", Iso(noon)}, QStringList{"--date", Iso(Shifted(noon, -1440))},
                      QStringList{"--date", Iso(Shifted(noon, 5 * 1440)), "--max-date", Iso(noon)},
                      QStringList{"--date", Iso(Shifted(noon, -5 * 1440)), "--min-date", Iso(noon)}})
                    walk.Start(WithStep(arguments, step()), random);
            }
        // The calendar's first and last days, and a first bound late in a day that the step
        // rounds on to the next.
        const WallTime late{WallAt(transitions.empty() ? 0 : transitions[random() % transitions.size()]).Day,
                            23 * 60 + 31 + static_cast<int>(random() % 29)};
        for (const QStringList& arguments :
             {QStringList{"--date", Iso({calendar.First, 0})}, QStringList{"--date", Iso({calendar.Last, 1439})},
              QStringList{"--min-date", Iso({calendar.Last, late.Minute})},
              QStringList{"--date", Iso(Shifted(late, -600)), "--min-date", Iso(late)}})
            walk.Start(WithStep(arguments, 15 * (1 + static_cast<int>(random() % 2))), random);
        starts += walk.Starts();
        failures += walk.Failures();
        report += walk.Report();
    }
    saved.empty() ? unsetenv("TZ") : setenv("TZ", saved.c_str(), 1);
    tzset();
    EXPECT_EQ(failures, 0) << "of " << starts << " starts in " << zones.size() << " zones:\n" << report;
}
