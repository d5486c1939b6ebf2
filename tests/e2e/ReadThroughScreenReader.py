"""Reads the running picker through the AT-SPI accessibility bus, as a screen reader does:
the header must name today's date, the Day spin box's increase action must move it, and a
date chosen from the keyboard must be told on the part that has the focus."""
import datetime
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib


def find_picker_window():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if application is None or application.get_name() != "datepicker":
                continue
            for window_index in range(application.get_child_count()):
                window = application.get_child_at_index(window_index)
                if window is not None and window.get_name() == "Form1":
                    return window
        time.sleep(0.1)
    sys.exit("FAIL: no datepicker window on the accessibility bus")


def child_named(window, role, name):
    for index in range(window.get_child_count()):
        child = window.get_child_at_index(index)
        if child.get_role_name() == role and (name is None or child.get_name() == name):
            return child
    sys.exit(f"FAIL: no {role} named {name}")


def spoken(date):
    return f"{date:%A} {date:%B} {date.day}, {date.year}"


def check(what, actual, expected):
    if actual != expected:
        sys.exit(f"FAIL: {what}: heard {actual!r}, expected {expected!r}")
    print(f"ok: {what}")


def focused_descriptions_after(keys):
    """Presses keys in the picker and collects the descriptions told on the focused part."""
    told = []

    def heard(event):
        if event.source.get_state_set().contains(Atspi.StateType.FOCUSED):
            told.append(event.source.get_description())

    listener = Atspi.EventListener.new(heard)
    listener.register("object:property-change:accessible-description")
    pump(0.5)  # the picker learns of the new listener over the bus
    window_id = subprocess.check_output(["xdotool", "search", "--name", "^Form1$"], text=True).split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
    pump(1.0)
    listener.deregister("object:property-change:accessible-description")
    return told


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


window = find_picker_window()
today = datetime.date.today()
check("the window tells the selected date", window.get_description(), spoken(today))
header = child_named(window, "label", None)
check("the header reads today's date", header.get_name(), spoken(today))

day = child_named(window, "spin button", "Day")
actions = day.get_action_iface()
names = [actions.get_action_name(i) for i in range(actions.get_n_actions())]
increase = names.index("Increase")
actions.do_action(increase)
time.sleep(0.3)
# The day column wraps within its month: after the last day comes the 1st of the same month.
tomorrow = today + datetime.timedelta(days=1)
expected = tomorrow if tomorrow.month == today.month else today.replace(day=1)
check("the Day increase action moves the header", header.get_name(), spoken(expected))
check("the Day spin box tells its value", day.get_value_iface().get_current_value(), float(expected.day))

link = child_named(window, "link", "Today, " + spoken(today))
link.get_action_iface().do_action(0)
time.sleep(0.3)
check("the Today link's press action selects today", header.get_name(), spoken(today))

# Five tabs reach the Tomorrow link; Enter there must be heard where the focus is.
told = focused_descriptions_after(["Tab"] * 5 + ["Return"])
check("Enter on the Tomorrow link is told on the link", told[-1:], [spoken(today + datetime.timedelta(days=1))])
