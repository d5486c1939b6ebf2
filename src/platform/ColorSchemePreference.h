#pragma once

#include "platform/SystemColors.h"

#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class QDBusVariant;
class QVariant;

namespace platform {

/// The desktop's preference of a light or a dark appearance. The desktop portal's settings on
/// the session bus are read first; where no portal answers, GTK's settings file. A change that
/// the portal announces later is passed on to the change listener.
class ColorSchemePreference : public QObject {
    Q_OBJECT

public:
    /// How long the first frame waits at most for the portal's answer.
    static constexpr std::chrono::milliseconds Patience{100};

    /// Puts the question to a portal that already runs, and returns without waiting for it.
    ColorSchemePreference();
    /// The preference as known once the portal has answered, or Patience has passed.
    ColorScheme Await();
    /// Called with the new scheme whenever the desktop's preference changes from now on.
    void SetChangeListener(std::function<void(ColorScheme)> listener) { listener_ = std::move(listener); }

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void FollowChanges();
    void AskLater(const QString& method);
    void Tell(ColorScheme scheme);

    std::optional<QDBusPendingCall> question_;
    QElapsedTimer asked_;
    std::function<void(ColorScheme)> listener_;
};

/// The scheme a portal's colour-scheme value asks for: dark for 1, light for 0 (no preference)
/// and 2; nothing for a value that is no such number. Variants around it are taken off.
std::optional<ColorScheme> SchemeOfPortalValue(const QVariant& value);
/// The scheme GTK's settings.ini in `folder` asks for with gtk-application-prefer-dark-theme,
/// or nothing when the file does not say.
std::optional<ColorScheme> SchemeOfGtkSettings(const QString& folder);

} // namespace platform
