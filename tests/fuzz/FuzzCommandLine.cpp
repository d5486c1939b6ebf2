// Any arguments, NUL-separated after a byte that picks the zone, through the whole command line
// parser and its checks to the window they set up, loaded but not shown. Either the parser
// refuses them with one line, or the window loads and selects a moment that obeys the rules of
// MomentInconsistency. --details is left to its own target: it reads any file named.

#include "fuzz/FuzzWindow.h"
#include "fuzz/FuzzZones.h"

#include "support/PickedMoment.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow::Get();
    UseFuzzZone(TakeBytes(data, size, 1));
    QStringList arguments{QStringLiteral("datepicker")};
    for (const QByteArray& argument : QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        arguments << QString::fromUtf8(argument);
    for (const QString& argument : arguments)
        if (argument.contains(QStringLiteral("details")))
            return -1;
    const StartedPicker started = StartFromCommandLine(arguments);
    if (!started.Problem.empty()) {
        std::fprintf(stderr, "TZ=%s %s\n%s\n", std::getenv("TZ"), arguments.join(u' ').toLocal8Bit().constData(),
                     started.Problem.c_str());
        std::abort();
    }
    return 0;
}
