#include "app/DialogFailure.h"

#include "app/ExitStatus.h"
#include "app/LocaleCodeset.h"
#include "platform/DestroyedWindowWatch.h"
#include "runtime/ErrorLines.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <vector>

namespace dialogfailure {
namespace {

struct HeldMessage {
    QtMsgType Type;
    QString Category;
    QString Text;
};

// A reason Qt gives for a window system that cannot start, in Qt's English words, and the
// picker's words for it in the user's language.
struct KnownReason {
    QRegularExpression QtWords;
    QString Translated;
};

struct Guard {
    bool Starting = false;
    bool DialogOpen = false;
    QtMessageHandler Previous = nullptr;
    std::vector<HeldMessage> Held;
    // Translated while the language is loaded: a failing start has no translator left.
    QString CannotOpen;
    std::vector<KnownReason> Reasons;
    QString DisplayLost;
    QString WindowLost;
};

Guard& TheGuard()
{
    static Guard guard;
    return guard;
}

QByteArray Line(const QString& reason)
{
    return (QCoreApplication::applicationName() + QStringLiteral(": ") + reason + u'\n').toLocal8Bit();
}

// Writes the line and ends at once: the state the window system left behind is no state to
// run destructors or exit handlers in.
[[noreturn]] void FailNow(const QString& reason)
{
    // Qt's Wayland plugin tells of a broken connection from its event thread and its main
    // thread alike: the first to arrive writes the one line and ends the process.
    static std::atomic_flag failing = ATOMIC_FLAG_INIT;
    if (failing.test_and_set())
        for (;;)
            ::pause();
    runtime::WriteErrorLines(Line(reason).toStdString());
    ::_exit(app::Failed);
}

bool Unset(const char* variable) { return qEnvironmentVariableIsEmpty(variable); }

std::vector<KnownReason> KnownReasons()
{
    const auto known = [](const char* qtWords, const char* translated) {
        return KnownReason{QRegularExpression(QLatin1String(qtWords)),
                           QCoreApplication::translate("DialogFailure", translated)};
    };
    return {known(R"re(^could not connect to display (.*)$)re", QT_TRANSLATE_NOOP("DialogFailure", "could not connect to display %1")),
            known(R"re(^Failed to create wl_display \((.*)\)$)re",
                  QT_TRANSLATE_NOOP("DialogFailure", "could not connect to the Wayland display: %1")),
            known(R"re(^Could not find the Qt platform plugin "(.*)" in ".*"$)re",
                  QT_TRANSLATE_NOOP("DialogFailure", "there is no window system named \"%1\"")),
            known(R"re(^Could not load the Qt platform plugin "(.*)" in ".*" even though it was found\.$)re",
                  QT_TRANSLATE_NOOP("DialogFailure", "the window system \"%1\" could not be loaded"))};
}

// The C library's English words for an error, which Qt passes on, in the user's language.
QString SystemWords(const QString& english)
{
    for (int number = 1; number < 256; ++number)
        if (const char* words = ::strerrordesc_np(number); words && english == QLatin1String(words))
            return app::SystemErrorText(number);
    return english;
}

// Why the window system could not start: the first thing Qt said about it, in the picker's
// words where it knows the reason.
QString StartFailure(const QString& fatal)
{
    const Guard& guard = TheGuard();
    const QString said = (guard.Held.empty() ? fatal : guard.Held.front().Text).section(u'\n', 0, 0).trimmed();
    for (const KnownReason& reason : guard.Reasons)
        if (const QRegularExpressionMatch match = reason.QtWords.match(said); match.hasMatch())
            return guard.CannotOpen.arg(reason.Translated.arg(SystemWords(match.captured(1))));
    return guard.CannotOpen.arg(said);
}

QString CannotOpenWindow() { return QCoreApplication::translate("DialogFailure", "cannot open a window: %1"); }

// Qt's platform plugins say this just before they end the process on a broken connection.
bool TellsOfBrokenConnection(const QString& text)
{
    return text.contains(QLatin1String("connection broke")) || text.contains(QLatin1String("connection experienced a fatal error"));
}

// On to where Qt's messages go when no dialog is failing.
void PassOn(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (const QtMessageHandler previous = TheGuard().Previous)
        previous(type, context, text);
}

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    Guard& guard = TheGuard();
    if (guard.Starting && type == QtFatalMsg)
        FailNow(StartFailure(text));
    if (guard.Starting) {
        guard.Held.push_back({type, QString::fromUtf8(context.category), text});
        return;
    }
    if (guard.DialogOpen && TellsOfBrokenConnection(text))
        FailNow(guard.DisplayLost);
    if (type == QtFatalMsg)
        FailNow(text.section(u'\n', 0, 0));
    PassOn(type, context, text);
}

// The xcb platform ends the process with exit(1) when the X connection breaks, and Xlib's
// own handler does the same: an exit while the dialog is open is never the user's choice.
void ExitWhileOpen()
{
    if (TheGuard().DialogOpen)
        FailNow(TheGuard().DisplayLost);
}

} // namespace

void Report(const QString& reason) { runtime::WriteErrorLines(Line(reason).toStdString()); }

QString MissingDisplay(const QStringList& arguments)
{
    const bool platformChosen = !Unset("QT_QPA_PLATFORM") || arguments.contains(QLatin1String("-platform"));
    const bool displayNamed = arguments.contains(QLatin1String("-display")) || !Unset("DISPLAY") ||
                              !Unset("WAYLAND_DISPLAY") || !Unset("WAYLAND_SOCKET");
    if (platformChosen || displayNamed)
        return {};
    return CannotOpenWindow().arg(
        QCoreApplication::translate("DialogFailure", "no display (DISPLAY and WAYLAND_DISPLAY are unset)"));
}

void GuardStart()
{
    Guard& guard = TheGuard();
    guard.CannotOpen = CannotOpenWindow();
    guard.Reasons = KnownReasons();
    guard.DisplayLost = QCoreApplication::translate("DialogFailure", "the connection to the display was lost");
    guard.WindowLost = QCoreApplication::translate("DialogFailure", "the window was destroyed by another program");
    guard.Starting = true;
    if (const QtMessageHandler previous = qInstallMessageHandler(&HandleMessage); previous != &HandleMessage)
        guard.Previous = previous;
}

void StartSucceeded()
{
    Guard& guard = TheGuard();
    guard.Starting = false;
    for (const HeldMessage& message : std::exchange(guard.Held, {})) {
        const QByteArray category = message.Category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        HandleMessage(message.Type, context, message.Text);
    }
}

OpenDialog::OpenDialog()
{
    static const bool registered = (std::atexit(&ExitWhileOpen), true);
    (void)registered;
    TheGuard().DialogOpen = true;
    // A window gone from under the dialog can answer nobody: the dialog has failed.
    platform::SetWindowLostHandler([] { FailNow(TheGuard().WindowLost); });
}

OpenDialog::~OpenDialog()
{
    platform::SetWindowLostHandler({});
    TheGuard().DialogOpen = false;
}

} // namespace dialogfailure
