#pragma once

#include "platform/SystemColors.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QDBusVariant;
class QVariant;

namespace platform {

/// The desktop's preference of a light or a dark appearance. The desktop portal's settings on
/// the session bus are read first; where no portal answers, GTK's settings file. A change that
/// the portal announces later is passed on to the change listener.
class ColorSchemePreference {
public:
    /// How long the first frame waits at most for the bus and the portal's answer.
    static constexpr std::chrono::milliseconds Patience{100};

    /// Puts the question to a portal that already runs, and returns without waiting for it or
    /// for the bus.
    ColorSchemePreference();
    ~ColorSchemePreference();
    ColorSchemePreference(const ColorSchemePreference&) = delete;
    ColorSchemePreference& operator=(const ColorSchemePreference&) = delete;

    /// The preference as known once the portal has answered, or Patience has passed. An answer
    /// that comes later is passed on as a change.
    ColorScheme Await();
    /// Called with the new scheme whenever the desktop's preference changes from now on.
    void SetChangeListener(std::function<void(ColorScheme)> listener);

    struct Answer;

private:
    std::shared_ptr<Answer> answer_;
    QElapsedTimer asked_;
};

/// Whether a question to the session bus is still waiting, so that the bus's connection cannot
/// be closed without waiting for it as well.
bool SessionBusQuestionPending();

/// Hears the portal's announcements of a changed setting on the window's thread; there is one
/// for the life of the process, since the bus may call it at any time.
class PortalSettingListener : public QObject {
    Q_OBJECT

public:
    static PortalSettingListener& Instance();
    /// Passes `scheme` on to the listener, if any.
    void Tell(ColorScheme scheme);
    std::function<void(ColorScheme)> Listener;

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

/// The scheme a portal's colour-scheme value asks for: dark for 1, light for 0 (no preference)
/// and 2; nothing for a value that is no uint32 inside exactly `variants` variants.
std::optional<ColorScheme> SchemeOfPortalValue(const QVariant& value, int variants);
/// The scheme GTK's settings.ini in `folder` asks for with gtk-application-prefer-dark-theme,
/// or nothing when the file does not say.
std::optional<ColorScheme> SchemeOfGtkSettings(const QString& folder);

} // namespace platform
