"""A whole registration with key presses alone, as a user without a mouse
makes it: Tab to a control, Space to press it, Down to walk a menu. Which
control has the focus is read from the accessibility interface, as a screen
reader announces it."""

import unittest

from kvb import key, type_text, wait_for
from registration import (CARELESS_ADDRESS, CONTACT, CORRECTED_ADDRESS, COUNTRY, PURCHASE,
                          REGION, WEB_STORE, WEB_STORE_SAVED, KvbTestCase, saved_record,
                          sent_registration)

# xdotool types a letter that the keyboard map lacks by remapping a key,
# which the program may not have caught up with by the time it comes.
KEYBOARD_CONTACT = dict(CONTACT, **{"First Name:": "Lucja", "Last Name:": "Bronte"})

# Typed in the order of the fields on the page, down the left column first.
ORDER = ["First Name:", "Last Name:", "Title:", "Company:", "Department:", "Email Address:",
         "Phone Number:", "Street Address 1:", "Street Address 2:", "City:"]


class KeyboardTest(KvbTestCase):

    def press_menu_item(self, kvb, button, item):
        kvb.tab_to("push button", button)
        key("space")
        kvb.move_in_menu(item)
        key("Return")

    def test_registration_with_the_keyboard_alone(self):
        kvb = self.start()
        kvb.give_window_the_keyboard()

        typed = dict(KEYBOARD_CONTACT, **CARELESS_ADDRESS)
        # The window opens with the first field ready for typing.
        wait_for(lambda: kvb.has_focus("text", ORDER[0]), "the first field to have the focus")
        type_text(typed[ORDER[0]])
        for field in ORDER[1:]:
            kvb.tab_to("text", field)
            type_text(typed[field])

        kvb.tab_to("push button", "Country:")
        key("space")
        kvb.dialog("Select a country")
        type_text(COUNTRY[0])
        key("Return")
        wait_for(lambda: kvb.find("dialog", "Select a country") is None, "the dialog to close")
        kvb.give_window_the_keyboard()
        self.press_menu_item(kvb, "State/Province/Region:", REGION[0])
        kvb.tab_to("text", "Zip/Postal Code:")
        type_text(typed["Zip/Postal Code:"])
        self.assertEqual({name: kvb.text(name) for name in typed}, typed)

        kvb.tab_to("push button", "Next")
        key("space")
        kvb.wait_for_page("corrected")
        kvb.tab_to("radio button", "Replace my original address with the corrected address.")
        key("space")
        kvb.tab_to("push button", "Next")
        key("space")
        kvb.wait_for_page("purchase")

        for button, item in PURCHASE:
            self.press_menu_item(kvb, button, item)
        self.press_menu_item(kvb, "Purchase Location", "Tarn Web Store")
        self.press_menu_item(kvb, "Type of Work", "Film")
        kvb.tab_to("radio button", "Yes")
        key("space")
        kvb.tab_to("push button", "Save and Register")
        key("space")
        kvb.wait_for_status("Registration successful.")

        self.assert_outbox(sent_registration(CORRECTED_ADDRESS, ("AK", "US"), KEYBOARD_CONTACT,
                                             **dict(WEB_STORE, OtherSystems="1")))
        self.assertEqual(self.folder.saved_record(), saved_record(
            CORRECTED_ADDRESS, REGION[0], COUNTRY[0], KEYBOARD_CONTACT,
            **dict(WEB_STORE_SAVED, OwnTarnSystems="1")))

        # The button keeps the focus and now quits.
        wait_for(lambda: kvb.has_focus("push button", "Quit"), "Quit to have the focus")
        key("space")
        self.assertEqual(kvb.exit_status(), 1)

    def test_failed_check_leaves_the_focus_on_next(self):
        kvb = self.start(QUILL_FORCE_SENDADDRESS="3")
        self.fill_contact_page(kvb, CARELESS_ADDRESS)
        kvb.give_window_the_keyboard()
        kvb.tab_to("push button", "Next")
        for _ in range(2):
            key("space")
            kvb.wait_for_status("The address could not be verified just now. "
                                "Please try again.")
            wait_for(lambda: kvb.has_focus("push button", "Next"), "Next to keep the focus")
        self.assertEqual(kvb.text("First Name:"), CONTACT["First Name:"])


if __name__ == "__main__":
    unittest.main()
