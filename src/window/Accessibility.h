#pragma once

#include <functional>

class QAccessibleEvent;

class Form1;

/// The picker as screen readers see it: the header as static text named by the selected date,
/// each column as a spin box with its value and increase and decrease actions, each
/// special-date link as a link named by the date it selects, and in a dialog its buttons as push
/// buttons. It follows the window as its listener; the window knows nothing of it.
namespace accessibility {

/// Makes the window of `form` readable from when it shows, and tells screen readers what changes
/// in it until it goes; call before Show.
void Follow(Form1& form);
/// Forgets `form` before it goes: its window then reads as having no parts. The window's going
/// does this by itself.
void Forget(Form1& form);

/// Also hands every announcement to `listener`, even while no screen reader is running;
/// an empty function stops that.
void SetAnnouncementListener(std::function<void(QAccessibleEvent&)> listener);

} // namespace accessibility
