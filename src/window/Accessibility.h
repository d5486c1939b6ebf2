#pragma once

#include "date/SliderValues.h"
#include "runtime/LocalTime.h"

#include <functional>

class QAccessibleEvent;

class Form1;

/// The picker as screen readers see it: the header as static text named by the selected date,
/// each column as a spin box with its value and increase and decrease actions, each
/// special-date link as a link named by the date it selects, and in a dialog Cancel and OK as
/// push buttons.
namespace accessibility {

/// Makes the window of `form` readable; call once it has its real window.
void Install(Form1& form);
/// Forgets `form` before it goes away.
void Forget(Form1& form);
/// Tells screen readers which columns and the header changed since `previous`.
void AnnounceSelection(Form1& form, const slider::CellGrid& previous);
/// Tells screen readers which time columns and the header changed since `previous`.
void AnnounceTime(Form1& form, const runtime::WallTime& previous);
/// Tells screen readers where the keyboard focus is now.
void AnnounceFocus(Form1& form);

/// Also hands every announcement to `listener`, even while no screen reader is running;
/// an empty function stops that.
void SetAnnouncementListener(std::function<void(QAccessibleEvent&)> listener);

} // namespace accessibility
