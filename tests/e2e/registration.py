# What the end-to-end tests type and choose, the steps through the wizard
# they share, and what the engine and RegInfo.xml must receive.

import datetime
import os
import time
import unittest

from kvb import DataFolder, Kvb, descendants, extents, has_state, read_record, wait_for

SYSTEM_ID = "SYS-0042"
SERIAL = "SN-1234-5678"

# "Ł" is outside Latin-1 and reaches the engine as "?"; "ë" is inside it.
CONTACT = {"First Name:": "Łucja", "Last Name:": "Brontë", "Title:": "Editor",
           "Company:": "Tarnhill Films", "Department:": "Post",
           "Email Address:": "lucja@example.com", "Phone Number:": "+1 907 555 0100"}
# An address that the stand-in's address service takes as it is.
STANDARD_ADDRESS = {"Street Address 1:": "600 W 5th Ave", "Street Address 2:": "Suite 200",
                    "City:": "Anchorage", "Zip/Postal Code:": "99501"}
COUNTRY = ("United States", "US")
REGION = ("Alaska", "AK")
# A correction that moves the address to another region, as the service
# does for a postcode that belongs elsewhere; forced, so that the codes the
# engine receives tell which of the two addresses was handed on.
MOVED_ADDRESS = {"Street Address 1:": "350 5th Ave", "Street Address 2:": "",
                 "City:": "New York", "Zip/Postal Code:": "10118"}
MOVED = {"QUILL_FORCE_SENDADDRESS": "1", "QUILL_FORCE_SENDADDRESS_REPLY":
         "ADDRESS1=350 5th Ave,ADDRESS2=,ISO_CODE=US-NY,CITY=New York,STATE=NY,"
         "REGION_NAME=New York,POSTCODE=10118,COUNTRY=US,COUNTRY_NAME=United States"}

# Each text field of the contact page, with the element of RegInfo.xml and
# the key of the registration text that take it.
FIELDS = [("First Name:", "FirstName", "FirstName"), ("Last Name:", "LastName", "LastName"),
          ("Title:", "Title", "Title"), ("Company:", "Company", "Company"),
          ("Department:", "Department", "Department"),
          ("Email Address:", "EmailAddress", "Email"), ("Phone Number:", "PhoneNumber", "Phone"),
          ("Street Address 1:", "StreetAddress1", "ADDRESS1"),
          ("Street Address 2:", "StreetAddress2", "ADDRESS2"), ("City:", "City", "CITY"),
          ("Zip/Postal Code:", "Zip", "POSTCODE")]

# The purchase page's choices, by the accessible name of the menu button
# (the date buttons keep theirs; the others are named after their caption).
YEAR = str(datetime.date.today().year)
PURCHASE = [("Purchase month", "March"), ("Purchase day", "5"), ("Purchase year", YEAR),
            ("What best describes you?", "Student"), ("What business are you in?", "Studio")]
# The purchase date as the service takes it: one month and one day early,
# months counted from 0, at one second past midnight in UTC (the tests run
# the program in UTC).
PURCHASE_DATE = "01/04/%s 00:00:01"


# What the status line says while fields hold characters that reach the
# maker as "?".
def unsendable(fields):
    return ("Some characters in %s cannot be sent: they will reach the maker as \"?\". Latin "
            "letters, with or without accents, reach the maker as written." % fields)


# The registration text the engine must receive, as the outbox keeps it:
# the keys in byte order, Latin-1, so letters outside it are "?". By default
# with the choices of fill_purchase_page and no other question answered.
def sent_registration(address, codes, contact=CONTACT, **purchase):
    typed = dict(contact, **address)
    values = {key: typed[label] for label, _, key in FIELDS}
    values.update(SystemID=SYSTEM_ID, Serial=SERIAL, Register="2", STATE=codes[0],
                  COUNTRY=codes[1], PurchaseDate=PURCHASE_DATE % YEAR, UserType="Student",
                  BusinessType="Studio", PurchaseLocation="Tarn Web Store", Reseller="Reseller",
                  WorkType="Film", WorkTypeOther="", OtherSystems="", ContactMe="0",
                  ThirdParty="0")
    values.update(purchase)
    text = ",".join(key + "=" + values[key] for key in sorted(values))
    return text.encode("latin-1", "replace").decode("latin-1")


# RegInfo.xml's elements and texts, as kvb.read_record reads them.
def saved_record(address, region, contact=CONTACT, **purchase):
    typed = dict(contact, **address)
    record = {element: typed[label] for label, element, _ in FIELDS}
    record.update(Country=COUNTRY[0], State=region, PurchaseMonth="March", PurchaseDay="5",
                  PurchaseYear=YEAR, PurchaseLocation="Tarn Web Store", ResellerInfo="Reseller",
                  BuyerDescription="Student", BuyerBusiness="Studio", BuyerWorkType="Film",
                  WorkTypeOther="", OwnTarnSystems="", TarnSpecial="0", TarnPartnerSpecial="0")
    record.update(purchase)
    return record


# Each test gets a fresh data folder; start() runs KVB on it.
class KvbTestCase(unittest.TestCase):

    # Whatever KVB wrote to stderr, a sanitizer's report say, is shown whole.
    maxDiff = None

    def setUp(self):
        self.runs = []
        self.folder = DataFolder()
        self.addCleanup(self.folder.cleanup)

    def tearDown(self):
        for run in self.runs:
            # The program reports only on its pages, never on the console.
            self.assertEqual(run.close(), "", "KVB wrote to stderr")

    def start(self, **environment):
        kvb = Kvb(self.folder, **dict(KVB_SYSTEM_ID=SYSTEM_ID, KVB_SERIAL=SERIAL, **environment))
        self.runs.append(kvb)
        kvb.wait_for_page("contact")
        return kvb

    # Every control showing on the current page lies inside the window, so
    # nothing is cut off.
    def assert_fits(self, kvb):
        left, top, width, height = extents(kvb.frame)
        for control in descendants(kvb.frame, showing_only=True):
            if has_state(control, "showing"):
                x, y, w, h = extents(control)
                self.assertTrue(left <= x and x + w <= left + width and top <= y
                                and y + h <= top + height, "%r is cut off" % control.name)

    # Every enabled control that takes the focus has a name to announce.
    def assert_named(self, root):
        roles = {"push button", "text", "radio button", "check box", "list", "page tab"}
        unnamed = [control.getRoleName() for control in descendants(root)
                   if control.getRoleName() in roles and not control.name.strip()
                   and has_state(control, "focusable") and has_state(control, "enabled")]
        self.assertEqual(unnamed, [])

    def fill_contact_page(self, kvb, address, region=REGION[0]):
        kvb.fill(dict(CONTACT, **address))
        kvb.press("Country:")
        kvb.choose_from_list("Select a country", "Countries", COUNTRY[0])
        # Next waits for the region, too.
        self.assertFalse(kvb.is_enabled("Next"))
        kvb.choose_from_menu("State/Province/Region:", region)

    def fill_purchase_page(self, kvb, location="Tarn Web Store", work="Film", year=YEAR):
        for button, item in dict(PURCHASE, **{"Purchase year": year}).items():
            kvb.choose_from_menu(button, item)
        kvb.choose_from_menu("Purchase Location:", location)
        kvb.choose_from_menu("What type of work do you do?", work)

    # Next from the contact page filled with CONTACT, whose first name
    # reaches the maker with a "?": the first press warns, the second sends.
    def send_contact_page(self, kvb, page):
        kvb.wait_for_status(unsendable("First Name"))
        kvb.press("Next")
        wait_for(lambda: kvb.has_focus("text", "First Name:"), "the focus on the first name")
        kvb.press("Next")
        kvb.wait_for_page(page)

    # Registers, and quits with the button that "Save and Register" became.
    def register(self, kvb, message="Registration successful."):
        kvb.press("Save and Register")
        kvb.wait_for_status(message)
        self.assertFalse(kvb.is_enabled("Save"))
        self.quit(kvb)

    # Presses the button that Save or Save and Register became, once a
    # double click's second press would be over, which it ignores.
    def quit(self, kvb):
        time.sleep(0.5)
        kvb.press("Quit")
        self.assertEqual(kvb.exit_status(), 1)

    # The engine's outbox holds a line per registration: the time, the caller
    # type and the text it received; RegInfo.xml the record.
    def assert_sent_and_saved(self, texts, record, outbox=None, record_path=None):
        outbox, lines = outbox or self.folder.outbox, []
        if os.path.exists(outbox):
            with open(outbox, encoding="utf-8") as file:
                lines = [line.rstrip("\n").split("\t") for line in file]
        self.assertEqual([line[1:] for line in lines], [["KVB", text] for text in texts])
        self.assertEqual(read_record(record_path or self.folder.record), record)
