#include "platform/ColorSchemePreference.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace platform {
namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColorSchemeKey = QStringLiteral("color-scheme");

// Asking for the session bus where none is named would make D-Bus launch one.
bool SessionBusNamed()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus"));
}

QDBusPendingCall Ask(const QString& method, std::chrono::milliseconds timeout)
{
    QDBusMessage question = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, method);
    question << AppearanceGroup << ColorSchemeKey;
    // A portal that does not run is not started for this: the bus answers at once that none is there.
    question.setAutoStartService(false);
    return QDBusConnection::sessionBus().asyncCall(question, static_cast<int>(timeout.count()));
}

// What became of a question to the portal.
enum class Reply { Answered, OldPortal, NoAnswer, NoValue };

Reply ReplyOf(const QDBusPendingCall& call, ColorScheme& scheme)
{
    if (!call.isError()) {
        const QList<QVariant> arguments = call.reply().arguments();
        const auto answered = arguments.isEmpty() ? std::nullopt : SchemeOfPortalValue(arguments.first());
        scheme = answered.value_or(ColorScheme::Light);
        return Reply::Answered;
    }
    switch (call.error().type()) {
    case QDBusError::UnknownMethod: return Reply::OldPortal;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut: return Reply::NoAnswer;
    default: return Reply::NoValue;
    }
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

} // namespace

ColorSchemePreference::ColorSchemePreference()
{
    if (!SessionBusNamed() || !QDBusConnection::sessionBus().isConnected())
        return;
    // Listening first, so that no change is lost between the answer and the listening.
    FollowChanges();
    asked_.start();
    question_ = Ask(QStringLiteral("ReadOne"), Patience);
}

ColorScheme ColorSchemePreference::Await()
{
    if (!question_)
        return GtkPreference();
    // The call's own timeout bounds the wait.
    question_->waitForFinished();
    ColorScheme scheme = ColorScheme::Light;
    Reply reply = ReplyOf(*question_, scheme);
    if (reply == Reply::OldPortal) {
        // A portal older than ReadOne has only Read, within what is left of the patience.
        const auto left = std::max(Patience - std::chrono::milliseconds(asked_.elapsed()), std::chrono::milliseconds(1));
        question_ = Ask(QStringLiteral("Read"), left);
        question_->waitForFinished();
        reply = ReplyOf(*question_, scheme);
    }
    question_.reset();
    if (reply == Reply::Answered)
        return scheme;
    // A slow portal is asked again; its answer, when it comes, counts as a change. Without a
    // portal, or without the setting, GTK's file may still say.
    if (reply == Reply::NoAnswer)
        AskLater(QStringLiteral("ReadOne"));
    return GtkPreference();
}

void ColorSchemePreference::FollowChanges()
{
    // The slot's parameter types are looked up by name, which Qt knows only once registered.
    qRegisterMetaType<QDBusVariant>();
    QDBusConnection::sessionBus().connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"),
                                          {AppearanceGroup, ColorSchemeKey}, QString(), this,
                                          SLOT(SettingChanged(QString, QString, QDBusVariant)));
}

void ColorSchemePreference::AskLater(const QString& method)
{
    auto* watcher = new QDBusPendingCallWatcher(Ask(method, std::chrono::milliseconds(-1)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        ColorScheme scheme = ColorScheme::Light;
        const Reply reply = ReplyOf(*watcher, scheme);
        if (reply == Reply::Answered)
            Tell(scheme);
        else if (reply == Reply::OldPortal && method != QLatin1String("Read"))
            AskLater(QStringLiteral("Read"));
    });
}

void ColorSchemePreference::SettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != AppearanceGroup || key != ColorSchemeKey)
        return;
    if (const auto scheme = SchemeOfPortalValue(value.variant()))
        Tell(*scheme);
}

void ColorSchemePreference::Tell(ColorScheme scheme)
{
    if (listener_)
        listener_(scheme);
}

std::optional<ColorScheme> SchemeOfPortalValue(const QVariant& value)
{
    QVariant inner = value;
    // Read, the older method, wraps the value in one more variant than ReadOne does.
    while (inner.metaType() == QMetaType::fromType<QDBusVariant>())
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    bool number = false;
    const uint preference = inner.toUInt(&number);
    if (!number || inner.metaType() == QMetaType::fromType<QString>())
        return std::nullopt;
    return preference == 1 ? ColorScheme::Dark : ColorScheme::Light;
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
