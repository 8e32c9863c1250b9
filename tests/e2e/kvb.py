"""Runs the built KVB and drives it through its accessibility interface.

Controls are found by their accessible role and name, as a screen reader
finds them; the pointer is used only where the accessibility interface has
no way in (a push button with a pop-up menu), and then at the centre of the
control that was found. Meant to run inside tests/e2e/xsession.
"""

import os
import shutil
import subprocess
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Atspi, GLib

BUILD_DIR = os.environ.get("KVB_BUILD_DIR", "build")
PROGRAM = os.path.join(BUILD_DIR, "bin", "kvb")
SAMPLE_DATA = os.path.join(BUILD_DIR, "share", "Tarn", "CustomData", "RegData")

TIMEOUT = 10.0

# The accessibility events this module listens to, newest last.
_events = []


def _record(event):
    try:
        _events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone by the time the event arrives
        pass


for _kind in ("object:state-changed:focused", "object:state-changed:showing"):
    pyatspi.Registry.registerEventListener(_record, _kind)


def pump(seconds=0.0):
    """Delivers the accessibility events that have arrived, for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.005)


def wait_for(condition, what, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.02)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "15", text], check=True)


def click_at(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def is_showing(accessible):
    return has_state(accessible, pyatspi.STATE_SHOWING)


def is_enabled(accessible):
    return has_state(accessible, pyatspi.STATE_ENABLED)


def is_checked(accessible):
    return has_state(accessible, pyatspi.STATE_CHECKED)


# Controls that hold no others worth a look; a list's items are left out, as
# the country list alone has hundreds and each is a call to the program.
LEAF_ROLES = {"label", "image", "text", "push button", "radio button", "check box", "list"}


def descendants(accessible, showing_only=False):
    """The controls inside, depth first. With showing_only, nothing inside a
    container that is not showing (a page that is not current); the controls
    themselves are not checked, which the callers do for those they want."""
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is None:
            continue
        if child.getRoleName() in LEAF_ROLES:
            yield child
        elif not showing_only or is_showing(child):
            yield child
            yield from descendants(child, showing_only)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


class DataFolder:
    """A fresh common files folder holding a copy of the sample catalogues,
    and an outbox for the stand-in engine beside it."""

    def __init__(self):
        self._temporary = tempfile.TemporaryDirectory(prefix="kvb-e2e-")
        self.root = self._temporary.name
        self.reg_data = os.path.join(self.root, "Tarn", "CustomData", "RegData")
        os.makedirs(self.reg_data)
        for name in ("RegMaster.xml", "RegReseller.xml"):
            shutil.copy(os.path.join(SAMPLE_DATA, name), self.reg_data)
        self.outbox = os.path.join(self.root, "outbox.txt")
        self.reg_info = os.path.join(self.reg_data, "RegInfo.xml")

    def cleanup(self):
        self._temporary.cleanup()

    def outbox_lines(self):
        """The outbox's lines, each split into its tab-separated fields."""
        if not os.path.exists(self.outbox):
            return []
        with open(self.outbox, encoding="utf-8") as outbox:
            return [line.rstrip("\n").split("\t") for line in outbox]

    def saved_record(self):
        return read_record(self.reg_info)


def read_record(path):
    """RegInfo.xml as {group: [(element, text), ...]}, or None without one."""
    if not os.path.exists(path):
        return None
    root = ElementTree.parse(path).getroot()
    assert root.tag == "Registration", root.tag
    return {group.tag: [(field.tag, field.text or "") for field in group] for group in root}


class Kvb:
    """One run of the program with the stand-in engine: on a data folder, or,
    with None for the folder, on the folders a user's start gives it."""

    def __init__(self, folder, **environment):
        env = {name: value for name, value in os.environ.items()
               if not name.startswith(("QUILL_", "KVB_"))}
        # The purchase date goes out converted to UTC; in UTC it is the same
        # on every machine.
        env.update(TZ="UTC")
        if folder is not None:
            env.update(KVB_COMMON_FILES_DIR=folder.root, QUILL_OUTBOX=folder.outbox)
        env.update(environment)
        self._log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([PROGRAM], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=self._log)
        self.app = wait_for(self._find_application, "KVB on the accessibility bus")
        # The toolkit tells of a page that is hidden, not of every control on
        # it, so cached states would go stale: ask the program every time,
        # for all but the roles, which never change.
        self.app.set_cache_mask(Atspi.Cache.ROLE)
        self.frame = wait_for(lambda: self.find("frame", "KVB", within=self.app),
                              "the KVB window")

    def _find_application(self):
        if self.process.poll() is not None:
            raise AssertionError("KVB ended at start with status %d" % self.process.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == self.process.pid:
                return application
        return None

    def close(self):
        """Ends the program if it still runs; returns what it wrote to stderr."""
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(TIMEOUT)
        self._log.seek(0)
        return self._log.read().decode(errors="replace")

    def exit_status(self, timeout=TIMEOUT):
        return self.process.wait(timeout)

    # Finding controls.

    def find(self, role, name, within=None, showing=True):
        """The first control of the role and name, or None. Pages that are not
        current are in the tree too, so by default only showing ones count."""
        for accessible in descendants(within or self.app, showing_only=showing):
            if (accessible.getRoleName() == role and accessible.name == name
                    and (not showing or is_showing(accessible))):
                return accessible
        return None

    def get(self, role, name, within=None):
        return wait_for(lambda: self.find(role, name, within), "%s %r" % (role, name))

    def dialog(self, title):
        return self.get("dialog", title)

    def page(self):
        """Which wizard page is current, told by a control only it has; None
        while the stack is between two pages."""
        marks = (("contact", "text", "First Name:"),
                 ("corrected", "label", "Corrected:"),
                 ("unverified", "label", "Original Address:"),
                 ("purchase", "label", "Purchase Date:"))
        roles = {role for _, role, _ in marks}
        shown = [(accessible.getRoleName(), accessible.name)
                 for accessible in descendants(self.app, showing_only=True)
                 if accessible.getRoleName() in roles and is_showing(accessible)]
        pages = [page for page, role, name in marks if (role, name) in shown]
        return pages[0] if len(pages) == 1 else None

    def wait_for_page(self, page):
        wait_for(lambda: self.page() == page,
                 lambda: "the %s page; the %s page is showing" % (page, self.page()))

    def status(self):
        """The message on the current page's status line: the text between
        the icon (a label while it shows none) and the spacer image."""
        for line in descendants(self.app, showing_only=True):
            if line.getRoleName() != "filler" or line.childCount != 3:
                continue
            parts = [line.getChildAtIndex(index) for index in range(3)]
            roles = [part.getRoleName() for part in parts]
            if roles[0] in ("label", "image") and roles[1:] == ["label", "image"]:
                return parts[1].name
        raise AssertionError("no status line showing")

    def wait_for_status(self, message):
        return wait_for(lambda: self.status() == message and message,
                        lambda: "the message %r; the line shows %r" % (message, self.status()))

    def is_enabled(self, name, role="push button"):
        return is_enabled(self.get(role, name))

    def is_checked(self, name):
        control = self.find("radio button", name) or self.get("check box", name)
        return is_checked(control)

    def has_focus(self, role, name):
        control = self.find(role, name)
        return control is not None and has_state(control, pyatspi.STATE_FOCUSED)

    def give_window_the_keyboard(self):
        """Gives the main window the input focus, which on a desktop the
        window manager does when the window opens and when a dialog closes."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id()], check=True)

    def window_id(self):
        """The X window of the program's main window."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid), "--name", "^KVB$"],
                               capture_output=True, text=True).stdout.split()
        if len(found) != 1:
            raise AssertionError("KVB windows: %s" % found)
        return found[0]

    def window_size(self):
        return extents(self.frame)[2:]

    # Acting on controls.

    def text(self, name, within=None):
        field = self.get("text", name, within)
        return field.queryText().getText(0, -1)

    def set_text(self, name, value):
        self.get("text", name).queryEditableText().setTextContents(value)

    def fill(self, fields):
        """Sets the texts of the named fields of the current page."""
        found = {accessible.name: accessible
                 for accessible in descendants(self.app, showing_only=True)
                 if accessible.getRoleName() == "text" and accessible.name in fields}
        for name, value in fields.items():
            if name not in found:
                raise AssertionError("no field %r on the %s page" % (name, self.page()))
            found[name].queryEditableText().setTextContents(value)

    def press(self, name, role="push button", within=None):
        # A click takes effect a moment later (the toolkit animates it), so
        # a button that an earlier click enables is waited for.
        def enabled_control():
            control = self.find(role, name, within)
            return control if control is not None and is_enabled(control) else None

        wait_for(enabled_control, "%s %r, enabled" % (role, name)).queryAction().doAction(0)

    def click(self, accessible):
        x, y, width, height = extents(accessible)
        click_at(x + width // 2, y + height // 2)

    def choose_from_menu(self, button_name, item):
        """Opens the button's pop-up menu with a click, and picks the item with
        the keyboard, reading each item's name as it gets the focus."""
        button = self.get("push button", button_name)
        mark = len(_events)
        self.click(button)
        wait_for(lambda: ("object:state-changed:showing", "popup menu", "", 1) in _events[mark:],
                 "the menu of %r" % button_name)
        self.move_in_menu(item)
        key("Return")
        wait_for(lambda: ("object:state-changed:showing", "popup menu", "", 0) in _events[mark:],
                 "the menu of %r to close" % button_name)

    def move_in_menu(self, item, limit=80):
        """Presses Down in an open menu until the item has the focus."""
        for _ in range(limit):
            mark = len(_events)
            key("Down")
            focused = wait_for(lambda: self._focused_since(mark), "a menu item to get the focus")
            if focused == ("menu item", item):
                return
        raise AssertionError("no menu item %r" % item)

    def tab_to(self, role, name, limit=40):
        """Presses Tab until the named control has the focus."""
        for _ in range(limit):
            mark = len(_events)
            key("Tab")
            if wait_for(lambda: self._focused_since(mark), "the focus to move") == (role, name):
                return
        raise AssertionError("Tab never reaches %s %r" % (role, name))

    def _focused_since(self, mark):
        for kind, role, name, gained in reversed(_events[mark:]):
            if kind == "object:state-changed:focused" and gained:
                return role, name
        return None

    def choose_from_list(self, dialog_title, list_name, item):
        """Picks an item in a list dialog by typing its name into the list,
        as a user of the keyboard does, and presses Select."""
        dialog = self.dialog(dialog_title)
        items = self.get("list", list_name, dialog)
        type_text(item)
        wait_for(lambda: self.selected_item(items) == item, "%r to be selected" % item)
        self.press("Select", within=dialog)
        wait_for(lambda: self.find("dialog", dialog_title) is None, "the dialog to close")

    @staticmethod
    def selected_item(items):
        rows = items.queryTable().getSelectedRows()
        return items.getChildAtIndex(rows[0]).name if rows else None
