// The window as screen readers see it, and what it tells them as the date and the focus move.
// It follows the window as a listener, from when the window shows until it goes.

#include "window/Accessibility.h"

#include "platform/HostWindow.h"
#include "window/AccessibleParts.h"
#include "window/Form1.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace accessibility {
namespace {

// Shared with the window's accessible interface, which Qt keeps until the host window goes:
// once the form is forgotten, Form is null and the window reads as having no parts.
struct Registered {
    Form1* Form;
    std::vector<QAccessible::Id> Children;
};
using RegisteredPtr = std::shared_ptr<Registered>;

std::map<const QObject*, RegisteredPtr>& Windows()
{
    static std::map<const QObject*, RegisteredPtr> windows;
    return windows;
}

// The window: its children are the header, the three columns in the order they stand, the nine
// links, the dialog buttons and the prompt.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* widget, RegisteredPtr registered)
        : QAccessibleWidget(widget, QAccessible::Window), registered_(std::move(registered))
    {
    }
    // The name stays the title; the description tells the date when the window opens.
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Description && registered_->Form ? SelectedDate(*registered_->Form)
                                                                      : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return registered_->Form ? ChildCount(*registered_->Form) : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // A dialog has as many children as it has buttons.
        if (registered_->Children.size() <= static_cast<size_t>(index))
            registered_->Children.resize(static_cast<size_t>(childCount()));
        QAccessible::Id& id = registered_->Children[static_cast<size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                MakePart(*registered_->Form, const_cast<WindowAccessible*>(this), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t index = 0; index < registered_->Children.size(); ++index)
            if (registered_->Children[index] != 0 && QAccessible::accessibleInterface(registered_->Children[index]) == child)
                return static_cast<int>(index);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int index = childCount() - 1; index >= 0; --index)
            if (QAccessibleInterface* part = child(index); part->rect().contains(x, y))
                return part;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int focus = registered_->Form ? registered_->Form->Focus().Index() : -1;
        return focus < 0 ? nullptr : child(FirstColumnChild + focus);
    }

private:
    RegisteredPtr registered_;
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    const auto found = Windows().find(object);
    if (found == Windows().end())
        return nullptr;
    return new WindowAccessible(static_cast<QWidget*>(object), found->second);
}

std::function<void(QAccessibleEvent&)>& Listener()
{
    static std::function<void(QAccessibleEvent&)> listener;
    return listener;
}

// Screen readers only hear while one is running; building the events costs nothing otherwise.
bool AnyoneListening() { return QAccessible::isActive() || Listener(); }

void Announce(QAccessibleEvent& event)
{
    if (Listener())
        Listener()(event);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* Part(Form1& form, int child)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host());
    return window ? window->child(child) : nullptr;
}

void Install(Form1& form)
{
    static const bool factoryInstalled = (QAccessible::installFactory(&Factory), true);
    (void)factoryInstalled;
    Windows()[form.Host()] = std::make_shared<Registered>(Registered{&form, {}});
}


void AnnounceDate(Form1& form);

void AnnounceSelection(Form1& form, const slider::CellGrid& previous)
{
    if (!form.Host() || !AnyoneListening())
        return;
    const int row = form.SelectedRow();
    for (int column = 0; column < slider::ColumnCount; ++column) {
        if (previous(row, column) == form.CellValues()(row, column))
            continue;
        if (QAccessibleInterface* part = Part(form, FirstColumnChild + form.PlacedColumns().PlaceOf(column))) {
            QAccessibleValueChangeEvent event(part, form.CellValues()(row, column));
            Announce(event);
        }
    }
    AnnounceDate(form);
}

void AnnounceTime(Form1& form, const runtime::WallTime& previous)
{
    if (!form.Host() || !AnyoneListening())
        return;
    const runtime::WallTime now = form.SelectedTime();
    for (int stop = slider::ColumnCount; stop < form.Focus().ColumnStopCount(); ++stop)
        if (QAccessibleInterface* part = Part(form, FirstColumnChild + stop);
            part && now.Minute != previous.Minute) {
            QAccessibleValueChangeEvent event(part, part->valueInterface()->currentValue());
            Announce(event);
        }
    AnnounceDate(form);
}

// The header names the date and the time, and every part describes itself with them.
void AnnounceDate(Form1& form)
{
    if (QAccessibleInterface* header = Part(form, HeaderChild)) {
        QAccessibleEvent event(header, QAccessible::NameChanged);
        Announce(event);
    }
    // Screen readers speak what changes on the object with the focus, never on the header;
    // every other part describes itself with the date, so each is told, the window first.
    if (QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host())) {
        QAccessibleEvent event(window, QAccessible::DescriptionChanged);
        Announce(event);
    }
    for (int child = FirstColumnChild; child < ChildCount(form); ++child)
        if (QAccessibleInterface* part = Part(form, child)) {
            QAccessibleEvent event(part, QAccessible::DescriptionChanged);
            Announce(event);
        }
}

void AnnounceFocus(Form1& form)
{
    if (!form.Host() || !AnyoneListening() || form.Focus().Index() < 0)
        return;
    if (QAccessibleInterface* part = Part(form, FirstColumnChild + form.Focus().Index())) {
        QAccessibleEvent event(part, QAccessible::Focus);
        Announce(event);
    }
}

} // namespace

void Forget(Form1& form)
{
    const auto found = Windows().find(form.Host());
    if (found == Windows().end())
        return;
    Registered& registered = *found->second;
    registered.Form = nullptr;
    for (QAccessible::Id& id : registered.Children)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(std::exchange(id, 0));
    Windows().erase(found);
}

void Follow(Form1& form)
{
    form.SetListener({
        [&form] { Install(form); },
        [&form](const slider::CellGrid& previous) { AnnounceSelection(form, previous); },
        [&form](const runtime::WallTime& previous) { AnnounceTime(form, previous); },
        [&form] { AnnounceFocus(form); },
        [&form] { Forget(form); },
    });
}

void SetAnnouncementListener(std::function<void(QAccessibleEvent&)> listener) { Listener() = std::move(listener); }

} // namespace accessibility
