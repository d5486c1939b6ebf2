// Any sequence of column steps, clicks, links, Home, Tab, typed characters and pasted texts in a
// picker started near a zone's odd day, with time columns or without: after each, the window
// selects a moment that obeys the rules of MomentInconsistency.

#include "fuzz/FuzzWindow.h"
#include "fuzz/FuzzZones.h"

#include "support/PickedMoment.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>

namespace {

// Each zone's odd days, as a script would bound them.
constexpr const char* Starts[] = {
    "--date 2026-06-01T12:00",
    "--date 2026-03-29T01:00 --minute-step 15 --min-date 2026-03-28T02:10 --max-date 2026-10-25T02:30",
    "--date 2018-11-01T12:00 --max-date 2018-11-04T00:30",
    "--date 2011-12-29T12:00 --min-date 2011-12-20T00:00 --max-date 2012-01-10T23:59",
    "--date 1994-12-30T12:00 --minute-step 5",
    "--date 2026-04-05T01:40 --minute-step 10 --min-date 2026-04-05T01:15",
    "--date 1992-03-28T23:00 --minute-step 2",
    "--date 2026-02-15T02:30 --min-date 2026-02-14T23:50 --minute-step 20",
};

struct Started {
    StartedPicker Picker;
    size_t Zone;
};

// One window per start and per choice of time columns, built on first use in its own zone.
Started& PickerFor(uint32_t choice)
{
    static std::map<uint32_t, Started> pickers;
    const size_t zone = choice / 2 % std::size(Starts);
    const uint32_t key = static_cast<uint32_t>(zone * 2 + choice % 2);
    if (auto found = pickers.find(key); found != pickers.end())
        return found->second;
    UseFuzzZone(zone);
    QStringList arguments = QStringLiteral("datepicker %1").arg(QLatin1String(Starts[zone])).split(u' ');
    if (choice % 2) {
        arguments << QStringLiteral("--time");
    } else if (const qsizetype step = arguments.indexOf(QStringLiteral("--minute-step")); step >= 0) {
        arguments.remove(step, 2);
    }
    // Without time columns the bounds are days.
    if (choice % 2 == 0)
        for (QString& argument : arguments)
            argument = argument.section(u'T', 0, 0);
    Started& started = pickers[key] = {StartFromCommandLine(arguments), zone};
    if (!started.Picker.Problem.empty() || !started.Picker.Form) {
        std::fprintf(stderr, "TZ=%s %s\n%s\n", FuzzZones[zone], arguments.join(u' ').toLocal8Bit().constData(),
                     started.Picker.Problem.c_str());
        std::abort();
    }
    return started;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow::Get();
    Started& started = PickerFor(TakeBytes(data, size, 1));
    UseFuzzZone(started.Zone);
    Form1& form = *started.Picker.Form;
    while (size > 0) {
        const uint32_t action = TakeBytes(data, size, 1);
        const uint32_t value = TakeBytes(data, size, 4);
        const size_t length = std::min<size_t>(TakeBytes(data, size, 1) % 64, size);
        const std::string pasted(reinterpret_cast<const char*>(data), length);
        data += length;
        size -= length;
        ActOn(form, action, value, pasted);
        if (const std::string problem = MomentInconsistency(form, started.Picker.Read.options); !problem.empty()) {
            std::fprintf(stderr, "TZ=%s after action %u/%u/\"%s\": %s\n", FuzzZones[started.Zone], action % ActionCount,
                         value, pasted.c_str(), problem.c_str());
            std::abort();
        }
    }
    return 0;
}
