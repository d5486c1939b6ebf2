// The picker as it starts for the user, command line and all, reporting its first frame.

#include "FirstFrame.h"

#include "app/PickerApplication.h"
#include "platform/HostWindow.h"
#include "window/Form1.h"

int main(int argc, char** argv)
{
    return StartPicker(argc, argv, [](Form1& form) { ReportFirstFrame(*form.Host()); });
}
