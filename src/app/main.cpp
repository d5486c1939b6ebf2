#include "app/PickerApplication.h"

int main(int argc, char** argv) { return StartPicker(argc, argv); }
