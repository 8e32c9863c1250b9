"""The ways through the wizard, from the first page to the engine's outbox
and RegInfo.xml, in the built program."""

import time
import unittest

from kvb import click_at, extents, pump
from registration import (CARELESS_ADDRESS, CONTACT, CORRECTED_ADDRESS, COUNTRY, REGION,
                          STANDARD_ADDRESS, UNVERIFIABLE_ADDRESS, WEB_STORE, WEB_STORE_SAVED, YEAR,
                          KvbTestCase, saved_record, sent_registration)

# A correction that moves the address to another region, as the service
# does for a postcode that belongs elsewhere.
MOVED_ADDRESS = {
    "Street Address 1:": "350 5th Ave",
    "Street Address 2:": "",
    "City:": "New York",
    "Zip/Postal Code:": "10118",
}
OFFERS = ("Yes, I would like to receive periodic information about Tarn's special offers and "
          "new products.")
MOVED_REPLY = ("ADDRESS1=350 5th Ave,ADDRESS2=,ISO_CODE=US-NY,CITY=New York,STATE=NY,"
               "REGION_NAME=New York,POSTCODE=10118,COUNTRY=US,COUNTRY_NAME=United States")


class RegistrationTest(KvbTestCase):

    def register(self, kvb, message):
        kvb.press("Save and Register")
        self.assertEqual(kvb.wait_for_status(message), message)
        self.assertFalse(kvb.is_enabled("Save"))
        kvb.press("Quit")
        self.assertEqual(kvb.exit_status(), 1)

    def test_accepted_address_goes_straight_to_purchase_page(self):
        kvb = self.start()
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "purchase")

        # A reseller, the other kind of work, and every yes/no answered.
        self.fill_purchase_page(kvb, location="Tarn Reseller", work="Other, Please Specify")
        self.assertFalse(kvb.is_enabled("Save and Register"), "no reseller chosen yet")
        kvb.press("Reseller")
        kvb.choose_from_list("Select a Reseller", "Resellers", "Cinderpath Digital")
        kvb.set_text("Other type of work", "Trailers")
        kvb.press("Yes", role="radio button")
        kvb.press("Yes, I would like to receive periodic information about special offers and "
                  "new products from Tarn Partners.", role="check box")
        self.register(kvb, "Registration successful.")

        # The texts are not escaped, so the engine takes the work type up to
        # the comma in its caption.
        purchase = {"PurchaseLocation": "Tarn Reseller", "Reseller": "Cinderpath Digital",
                    "WorkType": "Other", "WorkTypeOther": "Trailers",
                    "OtherSystems": "1", "ContactMe": "0", "ThirdParty": "1"}
        self.assert_outbox(sent_registration(STANDARD_ADDRESS, ("AK", "US"), **purchase))
        self.assertEqual(self.folder.saved_record(), saved_record(
            STANDARD_ADDRESS, REGION[0], COUNTRY[0], PurchaseLocation="Tarn Reseller",
            ResellerInfo="Cinderpath Digital", BuyerWorkType="Other, Please Specify",
            WorkTypeOther="Trailers", OwnTarnSystems="1", TarnSpecial="0",
            TarnPartnerSpecial="1"))

    def test_careless_address_is_corrected_and_replaced(self):
        kvb = self.start()
        self.fill_contact_page(kvb, CARELESS_ADDRESS)
        self.next_to(kvb, "corrected")
        shown = [(kvb.text("Original " + name), kvb.text("Corrected " + name)) for name in
                 ("Street Address 1", "City", "State/Province/Region", "Zip/Postal Code")]
        self.assertEqual(shown, [("600  w. 5th avenue", "600 W 5th Ave"),
                                 ("anchorage", "Anchorage"), ("Alaska", "Alaska"),
                                 ("995011234", "99501-1234")])
        self.assertFalse(kvb.is_enabled("Next"), "Next before a choice")

        kvb.press("Replace my original address with the corrected address.",
                  role="radio button")
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)
        self.register(kvb, "Registration successful.")

        self.assert_outbox(sent_registration(CORRECTED_ADDRESS, ("AK", "US"), **WEB_STORE))
        self.assertEqual(self.folder.saved_record(), saved_record(
            CORRECTED_ADDRESS, REGION[0], COUNTRY[0], **WEB_STORE_SAVED))

    def register_after_correction(self, choice, address, codes, region):
        kvb = self.start(QUILL_FORCE_SENDADDRESS="1", QUILL_FORCE_SENDADDRESS_REPLY=MOVED_REPLY)
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "corrected")
        kvb.press(choice, role="radio button")
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)
        self.register(kvb, "Registration successful.")

        self.assert_outbox(sent_registration(address, codes, **WEB_STORE))
        self.assertEqual(self.folder.saved_record(),
                         saved_record(address, region, COUNTRY[0], **WEB_STORE_SAVED))

    def test_replacing_registers_the_corrected_codes(self):
        self.register_after_correction("Replace my original address with the corrected address.",
                                       MOVED_ADDRESS, ("NY", "US"), "New York")

    def test_keeping_registers_the_entered_codes(self):
        self.register_after_correction("Keep my original address", STANDARD_ADDRESS,
                                       ("AK", "US"), REGION[0])

    def test_unverifiable_address_reentered_kept_saved_and_prefilled(self):
        kvb = self.start()
        self.fill_contact_page(kvb, UNVERIFIABLE_ADDRESS)
        self.next_to(kvb, "unverified")
        self.assertEqual(kvb.text("Zip/Postal Code:"), "9950")
        self.assertEqual(kvb.text("Country:"), COUNTRY[0])

        kvb.press("Let me re-enter my address", role="radio button")
        self.next_to(kvb, "contact")
        self.assert_contact_page(kvb, UNVERIFIABLE_ADDRESS)

        # Back again, the earlier choice still stands until another is made.
        self.next_to(kvb, "unverified")
        self.assertTrue(kvb.is_checked("Let me re-enter my address"))
        kvb.press("Keep my original address", role="radio button")
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)
        kvb.press("No", role="radio button")
        kvb.press("Yes, I would like to receive periodic information about Tarn's special "
                  "offers and new products.", role="check box")
        kvb.press("Save")
        kvb.wait_for_status("Registration data saved successfully.")
        self.assertTrue(kvb.is_enabled("Save and Register"))
        kvb.press("Quit")
        self.assertEqual(kvb.exit_status(), 1)

        self.assert_outbox()
        saved = dict(WEB_STORE_SAVED, OwnTarnSystems="0", TarnSpecial="1")
        self.assertEqual(self.folder.saved_record(), saved_record(
            UNVERIFIABLE_ADDRESS, REGION[0], COUNTRY[0], **saved))

        # The next start shows both pages as they were saved.
        kvb = self.start()
        self.assert_contact_page(kvb, UNVERIFIABLE_ADDRESS)
        self.assertTrue(kvb.is_enabled("Next"))
        self.next_to(kvb, "unverified")
        kvb.press("Keep my original address", role="radio button")
        self.next_to(kvb, "purchase")
        for button, caption in [("Purchase month", "March"), ("Purchase day", "5"),
                                ("Purchase year", YEAR)]:
            self.assertEqual(kvb.get("push button", button).description, caption)
        for caption in ("Tarn Web Store", "Student", "Studio", "Film"):
            self.assertIsNotNone(kvb.find("push button", caption), caption)
        self.assertTrue(kvb.is_checked("No"))
        self.assertTrue(kvb.is_checked("Yes, I would like to receive periodic information "
                                       "about Tarn's special offers and new products."))
        self.assertTrue(kvb.is_enabled("Save and Register"))

    def assert_contact_page(self, kvb, address):
        typed = dict(CONTACT, **address)
        self.assertEqual({name: kvb.text(name) for name in typed}, typed)
        self.assertEqual(kvb.get("push button", "Country:").description, COUNTRY[0])
        self.assertEqual(kvb.get("push button", "State/Province/Region:").description,
                         REGION[0])

    def test_invalid_email_address_keeps_the_contact_page(self):
        kvb = self.start()
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        for email in ("lucja@example", "lucja.example@com", "l@@x.com"):
            with self.subTest(email=email):
                kvb.set_text("Email Address:", email)
                kvb.press("Next")
                kvb.wait_for_status("Please enter a valid email address.")
                self.assertEqual(kvb.page(), "contact")
                self.assertTrue(kvb.is_enabled("Next"))
        kvb.set_text("Email Address:", CONTACT["Email Address:"])
        self.next_to(kvb, "purchase")

    def test_stray_clicks_change_nothing(self):
        # A slow service: the window is blocked while it works.
        kvb = self.start(QUILL_DELAY_MS="2000")
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)

        # Beside the wrapped text of an offer, on the empty rest of its row.
        offers = kvb.get("check box", OFFERS)
        x, y, width, height = extents(offers)
        click_at(x + width - 4, y + height - 4)
        pump(0.5)
        self.assertFalse(kvb.is_checked(OFFERS))

        # A second, impatient click while the registration is sent must not
        # land on the button that then becomes "Quit". The window does not
        # answer while it waits, so the button is found before.
        x, y, width, height = extents(kvb.get("push button", "Save and Register"))
        click_at(x + width // 2, y + height // 2)
        time.sleep(0.5)
        click_at(x + width // 2, y + height // 2)
        kvb.wait_for_status("Registration successful.")
        pump(1.0)
        self.assertIsNone(kvb.process.poll(), "KVB ended")
        self.assert_outbox(sent_registration(STANDARD_ADDRESS, ("AK", "US"), **WEB_STORE))

    def test_refused_registration_is_saved_and_reported(self):
        kvb = self.start(QUILL_FORCE_SENDREGDATA="4")
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)
        self.register(kvb, "Registration failed.Please contact Tarn customer support.")
        self.assert_outbox()
        self.assertEqual(self.folder.saved_record(), saved_record(
            STANDARD_ADDRESS, REGION[0], COUNTRY[0], **WEB_STORE_SAVED))


if __name__ == "__main__":
    unittest.main()
