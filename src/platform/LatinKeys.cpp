#include "platform/LatinKeys.h"

#include <Qt>

#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace platform {
namespace {

struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapDeleter>;

// Compiled on first use only: most users never press a command key on a non-Latin layout.
Keymap CompileUsKeymap()
{
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context)
        return nullptr;
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    Keymap keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    xkb_context_unref(context);
    return keymap;
}

} // namespace

int LatinLetterKeyAt(uint32_t keyCode)
{
    static const Keymap usKeymap = CompileUsKeymap();
    if (!usKeymap)
        return 0;
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(usKeymap.get(), keyCode, 0, 0, &symbols) < 1)
        return 0;
    const xkb_keysym_t symbol = symbols[0];
    if (symbol >= XKB_KEY_a && symbol <= XKB_KEY_z)
        return Qt::Key_A + static_cast<int>(symbol - XKB_KEY_a);
    return 0;
}

} // namespace platform
