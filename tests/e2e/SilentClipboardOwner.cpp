// Takes the X clipboard and then never answers a request for it, as a program that hangs while
// owning the clipboard does. Prints "owner" once it owns it, and lives until it is ended.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    const char name[] = "CLIPBOARD";
    xcb_intern_atom_reply_t* clipboard =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!clipboard)
        return 1;
    xcb_set_selection_owner(connection, window, clipboard->atom, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::printf("owner\n");
    std::fflush(stdout);
    // Requests queue up unread.
    for (;;)
        pause();
}
