#!/usr/bin/python3
"""A stand-in for the desktop portal's settings on the session bus, as the picker asks it for
the preferred colour scheme. Usage: StandInPortal.py <mode> <value>, where mode is
  current  answers ReadOne with the value
  old      knows only Read, whose answer is a variant inside a variant
  silent   never answers
It prints "ready" once it owns the portal's name. SIGUSR1 announces a change to 2 (prefer
light), SIGUSR2 a change to 1 (prefer dark)."""
import signal
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
APPEARANCE = ("org.freedesktop.appearance", "color-scheme")


class Settings(dbus.service.Object):
    def __init__(self, bus, mode, value):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.mode = mode
        self.value = value

    def answer(self, group, key, levels, reply, error):
        if self.mode == "silent":
            return
        if (group, key) != APPEARANCE:
            error(dbus.DBusException("no such setting", name="org.freedesktop.portal.Error.NotFound"))
            return
        reply(dbus.UInt32(self.value, variant_level=levels))

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def ReadOne(self, group, key, reply, error):
        if self.mode == "old":
            error(dbus.DBusException("no ReadOne here", name="org.freedesktop.DBus.Error.UnknownMethod"))
            return
        self.answer(group, key, 1, reply, error)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def Read(self, group, key, reply, error):
        self.answer(group, key, 2, reply, error)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass

    def change(self, value):
        self.value = value
        self.SettingChanged(*APPEARANCE, dbus.UInt32(value, variant_level=1))
        return True


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    settings = Settings(bus, sys.argv[1], int(sys.argv[2]))
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, settings.change, 2)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, settings.change, 1)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop_quit)
    print("ready", flush=True)
    loop.run()
    del name


def loop_quit():
    loop.quit()
    return False


loop = GLib.MainLoop()

if __name__ == "__main__":
    main()
