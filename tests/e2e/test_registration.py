# The ways through the wizard, from the first page to the engine's outbox
# and RegInfo.xml, in the built program; one of them with key presses alone,
# as a user without a mouse makes it: access keys, Enter, Escape, Tab and
# typing into lists and menus. Which control has the focus is read from the
# accessibility interface, as a screen reader announces it.

import os
import subprocess
import time
import unittest

from kvb import click_at, extents, has_state, key, type_text, wait_for
from registration import (CONTACT, COUNTRY, MOVED, MOVED_ADDRESS, PURCHASE_DATE, REGION,
                          STANDARD_ADDRESS, YEAR, KvbTestCase, saved_record, sent_registration)

OFFERS = ("Yes, I would like to receive periodic information about Tarn's special offers and "
          "new products.")
PARTNER_OFFERS = ("Yes, I would like to receive periodic information about special offers and "
                  "new products from Tarn Partners.")
OLDEST_YEAR = str(int(YEAR) - 4)
# xdotool types a letter that the keyboard map lacks by remapping a key,
# which the program may not have caught up with by the time it comes.
KEYBOARD_CONTACT = dict(CONTACT, **{"First Name:": "Lucja", "Last Name:": "Bronte"})

# The access keys of the contact page's labels.
ACCESS_KEYS = {"Last Name:": "alt+l", "Title:": "alt+t", "Company:": "alt+y",
               "Department:": "alt+d", "Email Address:": "alt+e", "Phone Number:": "alt+p",
               "Street Address 1:": "alt+1", "Street Address 2:": "alt+2", "City:": "alt+i"}
REPLACE = "Replace my original address with the corrected address."


class RegistrationTest(KvbTestCase):

    def test_accepted_address_registers_with_every_kind_of_answer(self):
        with open(os.path.join(self.folder.reg_data, "RegReseller.xml"), "w") as resellers:
            resellers.write('<RegReseller><Reseller ID="1">Smith &amp; Sons</Reseller>'
                            '<Reseller ID="2">Best Video</Reseller></RegReseller>')
        kvb = self.start()
        # All four pages are in the tree from the start, current or not.
        self.assert_named(kvb.app)
        # Without a window manager X lets anyone resize any window, so what
        # keeps the window small is the limit it asks the window manager for.
        hints = subprocess.run(["xprop", "-id", kvb.window_id(), "WM_NORMAL_HINTS"],
                               capture_output=True, text=True, check=True).stdout
        self.assertIn("program specified maximum size: 600 by 400", hints)

        # A cancelled country list changes nothing; another country asks for
        # its region again (fill_contact_page sees Next disabled).
        kvb.press("Country:")
        kvb.choose_from_list("Select a country", "Countries", "Canada")
        kvb.choose_from_menu("State/Province/Region:", "Ontario")
        kvb.press("Country:")
        kvb.press("Cancel", within=kvb.dialog("Select a country"))
        self.assertEqual(kvb.choice("State/Province/Region:"), "Ontario")
        # Liberia has a "Maryland" too, and comes first in the catalogue.
        self.fill_contact_page(kvb, STANDARD_ADDRESS, region="Maryland")
        self.assert_fits(kvb)
        # Blanks leave a required field empty.
        kvb.set_text("City:", "  ")
        self.assertFalse(kvb.is_enabled("Next"))
        kvb.set_text("City:", STANDARD_ADDRESS["City:"])
        self.send_contact_page(kvb, "purchase")

        self.fill_purchase_page(kvb, "Tarn Reseller", "Other, Please Specify", OLDEST_YEAR)
        kvb.press("Reseller:")
        self.assert_named(kvb.dialog("Select a Reseller"))
        kvb.choose_from_list("Select a Reseller", "Resellers", "Smith & Sons")
        kvb.set_text("Your own type of work:", "Trailers")
        kvb.press("Yes", role="radio button")
        # An offer toggles from its box, and from its wrapped words.
        click_at(extents(kvb.get("check box", PARTNER_OFFERS)), 6, 6)
        click_at(extents(kvb.get("check box", OFFERS)), None, 6)
        self.assert_fits(kvb)

        # A click beside the wrapped text of an offer, on the empty rest of
        # its row, changes nothing.
        click_at(extents(kvb.get("check box", OFFERS)), -4, -4)
        self.assertTrue(has_state(kvb.get("check box", OFFERS), "checked"))
        self.register(kvb)

        # The texts are not escaped, so the engine takes the work type up to
        # the comma in its caption.
        self.assert_sent_and_saved([sent_registration(
            STANDARD_ADDRESS, ("MD", "US"), PurchaseDate=PURCHASE_DATE % OLDEST_YEAR,
            PurchaseLocation="Tarn Reseller", Reseller="Smith & Sons", WorkType="Other",
            WorkTypeOther="Trailers", OtherSystems="1", ContactMe="1", ThirdParty="1")],
            saved_record(STANDARD_ADDRESS, "Maryland", PurchaseYear=OLDEST_YEAR,
                         PurchaseLocation="Tarn Reseller", ResellerInfo="Smith & Sons",
                         BuyerWorkType="Other, Please Specify", WorkTypeOther="Trailers",
                         OwnTarnSystems="1", TarnSpecial="1", TarnPartnerSpecial="1"))

    def test_registration_with_the_keyboard_alone(self):
        kvb = self.start(**MOVED)
        kvb.give_window_the_keyboard()

        # The window opens with the first field ready for typing; each
        # label's access key moves to its field.
        typed = dict(KEYBOARD_CONTACT, **STANDARD_ADDRESS)
        wait_for(lambda: kvb.has_focus("text", "First Name:"), "the first field to have the focus")
        type_text(typed["First Name:"])
        for field, keys in ACCESS_KEYS.items():
            key(keys)
            wait_for(lambda: kvb.has_focus("text", field), "the focus on %r" % field)
            type_text(typed[field])

        # The country's key opens the country list, where typing narrows it and
        # Enter picks the country.
        key("alt+o")
        kvb.dialog("Select a country")
        type_text(COUNTRY[0])
        key("Return")
        wait_for(lambda: kvb.find("dialog", "Select a country") is None, "the dialog to close")
        kvb.give_window_the_keyboard()
        kvb.type_into_menu("alt+s", REGION[0])
        self.assertEqual(kvb.choice("State/Province/Region:"), REGION[0])
        key("alt+z")
        type_text(typed["Zip/Postal Code:"])
        self.assertEqual({name: kvb.text(name) for name in typed}, typed)

        # Enter in a field goes on; on the next page, to the first choice.
        key("Return")
        kvb.wait_for_page("corrected")
        wait_for(lambda: kvb.has_focus("radio button", REPLACE), "the focus on the first choice")
        self.assert_fits(kvb)
        key("alt+r")
        wait_for(lambda: has_state(kvb.get("radio button", REPLACE), "checked"), "the choice")
        key("Return")
        kvb.wait_for_page("purchase")

        # Each menu opens from its button or its label's key, and takes the
        # item typed.
        wait_for(lambda: kvb.has_focus("push button", "Purchase month"), "the focus on the month")
        for keys, item in [("Return", "March"), ("Tab Return", "5"), ("Tab Return", YEAR),
                           ("alt+l", "Tarn Web Store"), ("alt+u", "Student"),
                           ("alt+i", "Studio"), ("alt+w", "Film")]:
            kvb.type_into_menu(keys, item)
        key("alt+a")
        kvb.wait_for_status("Registration successful.")

        # The corrected address is handed on with its own codes.
        self.assert_sent_and_saved(
            [sent_registration(MOVED_ADDRESS, ("NY", "US"), KEYBOARD_CONTACT)],
            saved_record(MOVED_ADDRESS, "New York", KEYBOARD_CONTACT))

        # The button is now "Quit", with an access key of its own, which
        # quits once a double click's second press would be over.
        time.sleep(0.5)
        key("alt+q")
        self.assertEqual(kvb.exit_status(), 1)


if __name__ == "__main__":
    unittest.main()
