# Runs the built KVB and drives it through its accessibility interface.
#
# Controls are found by their accessible role and name, as a screen reader
# finds them; the pointer is used only where the accessibility interface has
# no way in (a push button with a pop-up menu, a spot beside a control), and
# then at a place worked out from the control that was found. Meant to run
# inside tests/e2e/xsession.

import os
import shutil
import subprocess
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Atspi, GLib

BUILD_DIR = os.environ.get("KVB_BUILD_DIR", "build")
SAMPLE_DATA = os.path.join(BUILD_DIR, "share", "Tarn", "CustomData", "RegData")
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
TIMEOUT = 10.0

# The focus and showing events, newest last, as (type, role, name, detail1).
_events = []


def _record(event):
    try:
        _events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone by the time the event arrives
        pass


for _kind in ("object:state-changed:focused", "object:state-changed:showing"):
    pyatspi.Registry.registerEventListener(_record, _kind)


# The names of controls and texts as the program shows them in the language
# of the run; empty for English, in which the tests run.
_shown = {}


def without_access_key(text):
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


# Makes the names sought those of the program's translation into language,
# and of further, for names that come from elsewhere (the toolkit's month
# names, iso-codes' country names).
def show_in(language, further):
    tree = ElementTree.parse(os.path.join(TRANSLATIONS, "kvb_%s.ts" % language))
    for message in tree.iter("message"):
        _shown[without_access_key(message.findtext("source"))] = \
            without_access_key(message.findtext("translation"))
    _shown.update(further)


def shown(name):
    return _shown.get(name, name)


# Delivers the accessibility events that have arrived, for a while.
def pump(seconds=0.0):
    end = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.005)


def wait_for(condition, what):
    end = time.monotonic() + TIMEOUT
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "15", text], check=True)


# Clicks with the pointer at a place in a box (x, y, width, height): by
# default its centre, else that many pixels from its left and top (from its
# right and bottom where negative).
def click_at(box, dx=None, dy=None):
    x, y, width, height = box
    x += width // 2 if dx is None else dx % width
    y += height // 2 if dy is None else dy % height
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def has_state(accessible, state):
    return accessible.getState().contains(getattr(pyatspi, "STATE_" + state.upper()))


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


# Controls that hold no others worth a look; a list's items are left out, as
# the country list alone has hundreds and each is a call to the program.
LEAF_ROLES = {"label", "image", "text", "push button", "radio button", "check box", "list"}


# The controls inside, depth first; with showing_only, nothing inside a
# container that is not showing (a page that is not current).
def descendants(accessible, showing_only=False):
    for child in filter(None, accessible):
        yield child
        if (child.getRoleName() not in LEAF_ROLES
                and (not showing_only or has_state(child, "showing"))):
            yield from descendants(child, showing_only)


# RegInfo.xml's elements and their texts, or None without one.
def read_record(path):
    if not os.path.exists(path):
        return None
    return {field.tag: field.text or "" for group in ElementTree.parse(path).getroot()
            for field in group}


# A fresh common files folder holding a copy of the sample catalogues, and
# an outbox for the stand-in engine beside it.
class DataFolder:

    def __init__(self):
        self._temporary = tempfile.TemporaryDirectory(prefix="kvb-e2e-")
        self.root = self._temporary.name
        self.reg_data = os.path.join(self.root, "Tarn", "CustomData", "RegData")
        os.makedirs(self.reg_data)
        for name in ("RegMaster.xml", "RegReseller.xml"):
            shutil.copy(os.path.join(SAMPLE_DATA, name), self.reg_data)
        self.record = os.path.join(self.reg_data, "RegInfo.xml")
        self.outbox = os.path.join(self.root, "outbox.txt")

    def cleanup(self):
        self._temporary.cleanup()


# A control that tells which wizard page is current.
PAGES = {"contact": ("text", "First Name:"), "corrected": ("label", "Corrected:"),
         "unverified": ("label", "Original Address:"),
         "purchase": ("label", "Purchase Date:")}


# One run of the program with the stand-in engine: on a data folder, or,
# with None for the folder, on the folders a user's start gives it.
class Kvb:

    def __init__(self, folder, **environment):
        env = {name: value for name, value in os.environ.items()
               if not name.startswith(("QUILL_", "KVB_"))}
        # The purchase date goes out converted to UTC; in UTC it is the same
        # on every machine. The tests find controls by their English names.
        env.update(TZ="UTC", LANGUAGE="C", LC_ALL="C.UTF-8")
        if folder is not None:
            env.update(KVB_COMMON_FILES_DIR=folder.root, QUILL_OUTBOX=folder.outbox)
        env.update(environment)
        self._log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([os.path.join(BUILD_DIR, "bin", "kvb")], env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=self._log)
        self.app = wait_for(self._find_application, "KVB on the accessibility bus")
        # The toolkit tells of a page that is hidden, not of every control on
        # it, so cached states would go stale: ask the program every time,
        # for all but the roles, which never change.
        self.app.set_cache_mask(Atspi.Cache.ROLE)
        self.frame = self.get("frame", "KVB", self.app)

    def _find_application(self):
        if self.process.poll() is not None:
            raise AssertionError("KVB ended at start with status %d" % self.process.returncode)
        return next((application for application in pyatspi.Registry.getDesktop(0)
                     if application and application.get_process_id() == self.process.pid), None)

    # Ends the program if it still runs; returns what it wrote to stderr.
    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(TIMEOUT)
        self._log.seek(0)
        return self._log.read().decode(errors="replace")

    def exit_status(self):
        return self.process.wait(TIMEOUT)

    # The first showing control of the role and name, or None.
    def find(self, role, name, within=None):
        return next((control for control in descendants(within or self.app, True)
                     if control.getRoleName() == role and control.name == shown(name)
                     and has_state(control, "showing")), None)

    def get(self, role, name, within=None):
        return wait_for(lambda: self.find(role, name, within), "%s %r" % (role, name))

    def dialog(self, title):
        return self.get("dialog", title)

    def wait_for_page(self, page):
        self.get(*PAGES[page])

    def wait_for_status(self, message):
        self.get("label", message)

    def is_enabled(self, name, role="push button"):
        return has_state(self.get(role, name), "enabled")

    # The caption of a choice button, which tells it as its description.
    def choice(self, name):
        return self.get("push button", name).description

    def has_focus(self, role, name):
        control = self.find(role, name)
        return control is not None and has_state(control, "focused")

    # Gives the main window the input focus, which on a desktop the window
    # manager does when the window opens and when a dialog closes.
    def give_window_the_keyboard(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id()], check=True)

    def window_id(self):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                               str(self.process.pid), "--name", "^KVB$"],
                              capture_output=True, text=True, check=True).stdout.split()[0]

    def text(self, name):
        return self.get("text", name).queryText().getText(0, -1)

    def set_text(self, name, value):
        self.fill({name: value})

    # Sets the texts of the named fields of the current page.
    def fill(self, fields):
        found = {control.name: control for control in descendants(self.app, True)
                 if control.getRoleName() == "text" and has_state(control, "showing")}
        for name, value in fields.items():
            found[shown(name)].queryEditableText().setTextContents(value)

    def press(self, name, role="push button", within=None):
        # A click takes effect a moment later (the toolkit animates it), so
        # a button that an earlier click enables is waited for.
        def enabled_control():
            control = self.find(role, name, within)
            return control if control and has_state(control, "enabled") else None

        wait_for(enabled_control, "%s %r, enabled" % (role, name)).queryAction().doAction(0)

    # Opens the button's pop-up menu with a click, and picks the item with the
    # keyboard, reading each item's name as it gets the focus.
    def choose_from_menu(self, button_name, item):
        self._in_menu(lambda: click_at(extents(self.get("push button", button_name))),
                      lambda: self.move_in_menu(item), button_name)

    # Opens a menu with the keys given (one after the other, separated by
    # blanks), and picks the item by typing it.
    def type_into_menu(self, keys, item):
        self._in_menu(lambda: key(*keys.split()), lambda: type_text(item), keys)

    def _in_menu(self, open_menu, reach_item, what):
        mark = len(_events)
        open_menu()

        def menu(shown):
            return ("object:state-changed:showing", "popup menu", "", shown) in _events[mark:]

        wait_for(lambda: menu(1), "the menu of %r" % what)
        reach_item()
        key("Return")
        wait_for(lambda: menu(0), "the menu of %r to close" % what)

    # Presses Down in an open menu until the item has the focus.
    def move_in_menu(self, item):
        for _ in range(80):
            mark = len(_events)
            key("Down")
            gained = wait_for(lambda: [(role, name) for kind, role, name, detail in _events[mark:]
                                       if kind.endswith("focused") and detail], "the focus to move")
            if gained[-1] == ("menu item", shown(item)):
                return
        raise AssertionError("Down never reaches menu item %r" % item)

    # Picks an item in a list dialog by typing its name into the list, as a
    # user of the keyboard does, and presses Select.
    def choose_from_list(self, dialog_title, list_name, item):
        dialog = self.dialog(dialog_title)
        items = self.get("list", list_name, dialog)
        type_text(item)
        wait_for(lambda: [row for row in items.queryTable().getSelectedRows()
                          if items.getChildAtIndex(row).name == shown(item)], "%r selected" % item)
        self.press("Select", within=dialog)
        wait_for(lambda: self.find("dialog", dialog_title) is None, "the dialog to close")
