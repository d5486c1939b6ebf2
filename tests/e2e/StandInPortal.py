#!/usr/bin/python3
"""A stand-in for the desktop portal's settings. Usage: StandInPortal.py <mode> <colour scheme>;
mode "current" answers ReadOne, "old" only Read (a variant in a variant), "silent" never answers.
Prints "ready" once it owns the portal's name; SIGUSR1 announces a change to 2 (prefer light),
SIGUSR2 to 1 (prefer dark)."""
import signal
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"


class Settings(dbus.service.Object):
    def __init__(self, bus, mode, value):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.mode, self.value = mode, value

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def ReadOne(self, group, key, reply, error):
        if self.mode == "old":
            error(dbus.DBusException("no ReadOne", name="org.freedesktop.DBus.Error.UnknownMethod"))
        elif self.mode == "current":
            reply(dbus.UInt32(self.value, variant_level=1))

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def Read(self, group, key, reply, error):
        if self.mode != "silent":
            reply(dbus.UInt32(self.value, variant_level=2))

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass

    def change(self, value):
        self.value = value
        self.SettingChanged("org.freedesktop.appearance", "color-scheme", dbus.UInt32(value, variant_level=1))
        return True


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
settings = Settings(bus, sys.argv[1], int(sys.argv[2]))
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, settings.change, 2)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, settings.change, 1)
print("ready", flush=True)
GLib.MainLoop().run()
