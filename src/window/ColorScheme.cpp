// The window in the desktop's light or dark colours. A change of scheme keeps the tree: every
// brush of the design is made anew in the other colours, and the system colours of the label's
// text and background answer from the other table.

#include "window/Form1.h"

#include "platform/HostWindow.h"

void Form1::SetColorScheme(platform::ColorScheme scheme)
{
    if (scheme == platform::ColorSchemeInUse())
        return;
    platform::UseColorScheme(scheme);
    if (!markupLabel1_->RootElement())
        return;
    RecolourLayout();
    RecolourSliderColumns();
    RecolourLinks();
    RecolourDateNote();
    RecolourDialogButtons();
    // The label's colours are the same system colours, which now answer otherwise.
    markupLabel1_->SetBackColor(markupLabel1_->BackColor());
    // The margins and the timeout bar lie outside the label.
    if (host_)
        host_->update();
}
