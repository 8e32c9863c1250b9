"""The window as a whole: its title, its one tab, its size, and a name for
every control a user can reach."""

import subprocess
import unittest

import pyatspi

from kvb import descendants, has_state
from registration import STANDARD_ADDRESS, KvbTestCase

# The roles of controls that take the focus and act or hold a value.
CONTROL_ROLES = {"push button", "toggle button", "text", "password text", "entry",
                 "radio button", "check box", "list", "table", "tree", "combo box",
                 "spin button", "slider", "page tab", "menu item"}


def unnamed_controls(root):
    """Every enabled, focusable control without an accessible name, told by
    its role and the text of the label before it."""
    unnamed = []
    last_label = None
    for accessible in descendants(root):
        role = accessible.getRoleName()
        if role == "label" and any(c.isalnum() for c in accessible.name):
            last_label = accessible.name
        elif (role in CONTROL_ROLES and not accessible.name.strip()
              and has_state(accessible, pyatspi.STATE_FOCUSABLE)
              and has_state(accessible, pyatspi.STATE_ENABLED)):
            unnamed.append("%s after the label %r" % (role, last_label))
    return unnamed


class WindowTest(KvbTestCase):

    def test_title_tab_and_size_limit(self):
        kvb = self.start()
        frames = [child.name for child in descendants(kvb.app) if child.getRoleName() == "frame"
                  and child.parent.getRoleName() == "application"]
        self.assertEqual(frames, ["KVB"])
        tabs = [child.name for child in descendants(kvb.frame)
                if child.getRoleName() == "page tab"]
        self.assertEqual(tabs, ["Registration"])
        self.assert_fits(kvb)

        # Without a window manager X lets anyone resize any window, so what
        # keeps the window small is the limit it asks the window manager for.
        hints = subprocess.run(["xprop", "-id", kvb.window_id(), "WM_NORMAL_HINTS"],
                               capture_output=True, text=True, check=True).stdout
        self.assertIn("program specified maximum size: 600 by 400", hints)

    def test_every_control_a_user_can_reach_has_a_name(self):
        # All four pages are in the tree from the start, current or not.
        kvb = self.start()
        self.assertEqual(unnamed_controls(kvb.app), [])

        kvb.press("Country:")
        dialog = kvb.dialog("Select a country")
        self.assertEqual(unnamed_controls(dialog), [])
        kvb.press("Cancel", within=dialog)
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "purchase")

        kvb.choose_from_menu("Purchase Location", "Tarn Reseller")
        kvb.choose_from_menu("Type of Work", "Other, Please Specify")
        self.assertEqual(unnamed_controls(kvb.app), [])
        kvb.press("Reseller")
        dialog = kvb.dialog("Select a Reseller")
        self.assertEqual(unnamed_controls(dialog), [])
        kvb.press("Cancel", within=dialog)


if __name__ == "__main__":
    unittest.main()
