#include "platform/ColorSchemePreference.h"

#include "platform/SessionBusProbe.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QStandardPaths>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {
namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");

void FollowChanges(QDBusConnection& bus)
{
    // The slot's parameter types are looked up by name, which Qt knows only once registered.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"),
                {AppearanceGroup, ColorSchemeKey}, QString(), &PortalSettingListener::Instance(),
                SLOT(SettingChanged(QString, QString, QDBusVariant)));
}

// What the portal answers, or nothing where none answers. A value it answers that is no
// colour scheme is no preference. Read, the older method, wraps the value in one more variant
// than ReadOne does.
std::optional<ColorScheme> PortalPreference(QDBusConnection& bus)
{
    for (const auto& [method, variants] : {std::pair{"ReadOne", 1}, std::pair{"Read", 2}}) {
        QDBusMessage question =
            QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, QLatin1String(method));
        question << AppearanceGroup << ColorSchemeKey;
        // A portal that does not run is not started for this: the bus answers at once that none is there.
        question.setAutoStartService(false);
        const QDBusMessage reply = bus.call(question);
        if (reply.type() != QDBusMessage::ErrorMessage) {
            const QList<QVariant> arguments = reply.arguments();
            const auto scheme = arguments.isEmpty() ? std::nullopt : SchemeOfPortalValue(arguments.first(), variants);
            return scheme.value_or(ColorScheme::Light);
        }
        // Only a portal older than ReadOne is asked again.
        if (reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"))
            return std::nullopt;
    }
    return std::nullopt;
}

// GTK 4's file first, as GTK 4 programs read it, then GTK 3's.
ColorScheme GtkPreference()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const char* version : {"gtk-4.0", "gtk-3.0"})
        if (const auto scheme = SchemeOfGtkSettings(config + u'/' + QLatin1String(version)))
            return *scheme;
    return ColorScheme::Light;
}

// Questions to the bus that have not come back; see SessionBusQuestionPending.
std::atomic<int> PendingQuestions{0};

} // namespace

// What the worker learned, shared with the window's thread, which may have gone on without it.
struct ColorSchemePreference::Answer {
    std::mutex Mutex;
    std::condition_variable Came;
    bool BusAnswered = false;
    bool Known = false;
    std::optional<ColorScheme> Scheme;
    // The window opened without it: an answer that still comes counts as a change.
    bool Late = false;
};

namespace {

void Finish(ColorSchemePreference::Answer& answer, std::optional<ColorScheme> scheme)
{
    const std::lock_guard lock(answer.Mutex);
    answer.Known = true;
    answer.Scheme = scheme;
    answer.Came.notify_all();
    if (answer.Late && scheme) {
        PortalSettingListener* listener = &PortalSettingListener::Instance();
        QMetaObject::invokeMethod(listener, [listener, scheme] { listener->Tell(*scheme); }, Qt::QueuedConnection);
    }
}

void Answered(ColorSchemePreference::Answer& answer)
{
    const std::lock_guard lock(answer.Mutex);
    answer.BusAnswered = true;
}

// Runs beside the window: connecting to the bus waits as long as the bus does, which may be for
// ever when it takes connections and never answers. The connection is the question's own, made
// with the address as it was, which the window may have hidden meanwhile.
void AskOnBus(const std::shared_ptr<ColorSchemePreference::Answer>& answer, const QString& address)
{
    if (!SessionBusAnswers(address)) {
        Finish(*answer, std::nullopt);
        --PendingQuestions;
        return;
    }
    Answered(*answer);
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("datepicker-color-scheme"));
    std::optional<ColorScheme> scheme;
    if (bus.isConnected()) {
        // Listening first, so that no change is lost between the answer and the listening.
        FollowChanges(bus);
        scheme = PortalPreference(bus);
    }
    Finish(*answer, scheme);
    --PendingQuestions;
}

} // namespace

ColorSchemePreference::ColorSchemePreference()
{
    // Asking for the session bus where none is named would make D-Bus launch one.
    const QString address = SessionBusAddress();
    if (address.isEmpty())
        return;
    asked_.start();
    answer_ = std::make_shared<Answer>();
    // Made on the window's thread, where the announcements are to arrive.
    PortalSettingListener::Instance();
    ++PendingQuestions;
    std::thread([answer = answer_, address] { AskOnBus(answer, address); }).detach();
}

ColorSchemePreference::~ColorSchemePreference() { PortalSettingListener::Instance().Listener = {}; }

ColorScheme ColorSchemePreference::Await()
{
    if (!answer_)
        return GtkPreference();
    std::unique_lock lock(answer_->Mutex);
    const auto left = Patience - std::chrono::milliseconds(asked_.elapsed());
    if (answer_->Came.wait_for(lock, left, [this] { return answer_->Known; }) && answer_->Scheme)
        return *answer_->Scheme;
    answer_->Late = !answer_->Known;
    // Qt's accessibility connects to the session bus on the window's thread, and would wait for
    // a silent one for ever.
    if (!answer_->BusAnswered)
        HideSessionBus();
    // Without a portal, or without the setting, GTK's file may still say.
    return GtkPreference();
}

void ColorSchemePreference::SetChangeListener(std::function<void(ColorScheme)> listener)
{
    PortalSettingListener::Instance().Listener = std::move(listener);
}

bool SessionBusQuestionPending() { return PendingQuestions > 0; }

PortalSettingListener& PortalSettingListener::Instance()
{
    // Never destroyed: the bus's thread may still hold it when the process ends.
    static auto* listener = new PortalSettingListener;
    return *listener;
}

void PortalSettingListener::Tell(ColorScheme scheme)
{
    if (Listener)
        Listener(scheme);
}

void PortalSettingListener::SettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != AppearanceGroup || key != ColorSchemeKey)
        return;
    // The signal's own variant is the one the slot takes off.
    if (const auto scheme = SchemeOfPortalValue(value.variant(), 0))
        Tell(*scheme);
}

std::optional<ColorScheme> SchemeOfPortalValue(const QVariant& value, int variants)
{
    QVariant inner = value;
    for (int taken = 0; taken < variants; ++taken) {
        if (inner.metaType() != QMetaType::fromType<QDBusVariant>())
            return std::nullopt;
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    }
    // Any other type, however near (a uint64, a boolean), is a portal that means something else.
    if (inner.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    return inner.toUInt() == 1 ? ColorScheme::Dark : ColorScheme::Light;
}

std::optional<ColorScheme> SchemeOfGtkSettings(const QString& folder)
{
    QFile file(folder + QStringLiteral("/settings.ini"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    bool inSettings = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inSettings = line == QLatin1String("[Settings]");
        const qsizetype equals = line.indexOf(u'=');
        if (!inSettings || equals < 0 || line.left(equals).trimmed() != QLatin1String("gtk-application-prefer-dark-theme"))
            continue;
        const QString value = line.mid(equals + 1).trimmed().toLower();
        if (value == QLatin1String("true") || value == QLatin1String("1"))
            return ColorScheme::Dark;
        if (value == QLatin1String("false") || value == QLatin1String("0"))
            return ColorScheme::Light;
    }
    return std::nullopt;
}

} // namespace platform
