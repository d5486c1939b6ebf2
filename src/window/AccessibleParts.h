#pragma once

#include <QString>

class Form1;
class QAccessibleInterface;

/// The parts of the picker window as screen readers see them, numbered as the window's
/// accessible children: the header, the columns and the links, then the dialog buttons and the
/// prompt where the window has them.
namespace accessibility {

constexpr int HeaderChild = 0;
constexpr int FirstColumnChild = 1;
constexpr int LinkCount = 9;

/// The child numbers of the first link and the first dialog button, and how many children the
/// window of `form` has.
int FirstLinkChild(const Form1& form);
int FirstButtonChild(const Form1& form);
int ChildCount(const Form1& form);
/// The selected date as the header writes it; every part describes itself with it, so a screen
/// reader tells it wherever the focus is.
QString SelectedDate(const Form1& form);
/// A new interface for child `index` of the window of `form`, whose own interface is `window`.
QAccessibleInterface* MakePart(Form1& form, QAccessibleInterface* window, int index);

} // namespace accessibility
