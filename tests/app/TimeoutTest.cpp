#include "app/PickerApplication.h"
#include "window/Form1.h"

#include <gtest/gtest.h>

// Escape pressed as the timer fires: the timer comes second and changes nothing.
TEST(Timeout, LeavesADialogTheUserEndedAsItWas)
{
    Form1 cancelled;
    cancelled.SetButtons(FormButtons::CancelOk);
    cancelled.Form_Load();
    cancelled.Show();
    cancelled.EndDialog(DialogResult::Cancel);
    EXPECT_FALSE(EndOnTimeout(cancelled));
    EXPECT_EQ(cancelled.Result(), DialogResult::Cancel);
    cancelled.Form_Unload();

    Form1 open;
    open.SetButtons(FormButtons::CancelOk);
    open.Form_Load();
    open.Show();
    EXPECT_TRUE(EndOnTimeout(open));
    EXPECT_EQ(open.Result(), DialogResult::Ok);
    open.Form_Unload();
}
