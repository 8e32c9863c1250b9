"""What the end-to-end tests type and choose, the ways through the wizard
they share, and what the engine and RegInfo.xml must receive."""

import datetime
import unittest

from kvb import DataFolder, Kvb

SYSTEM_ID = "SYS-0042"
SERIAL = "SN-1234-5678"

# "Ł" is outside Latin-1 and reaches the engine as "?"; "ë" is inside it.
CONTACT = {
    "First Name:": "Łucja",
    "Last Name:": "Brontë",
    "Title:": "Editor",
    "Company:": "Tarnhill Films",
    "Department:": "Post",
    "Email Address:": "lucja@example.com",
    "Phone Number:": "+1 907 555 0100",
}

# An address that the stand-in's address service takes as it is...
STANDARD_ADDRESS = {
    "Street Address 1:": "600 W 5th Ave",
    "Street Address 2:": "Suite 200",
    "City:": "Anchorage",
    "Zip/Postal Code:": "99501",
}
# ...the same typed carelessly, which it corrects...
CARELESS_ADDRESS = {
    "Street Address 1:": "600  w. 5th avenue",
    "Street Address 2:": "suite 200",
    "City:": "anchorage",
    "Zip/Postal Code:": "995011234",
}
# ...into this...
CORRECTED_ADDRESS = {
    "Street Address 1:": "600 W 5th Ave",
    "Street Address 2:": "Suite 200",
    "City:": "Anchorage",
    "Zip/Postal Code:": "99501-1234",
}
# ...and one with a postcode it cannot verify.
UNVERIFIABLE_ADDRESS = dict(STANDARD_ADDRESS, **{"Zip/Postal Code:": "9950"})

COUNTRY = ("United States", "US")
REGION = ("Alaska", "AK")

# The purchase page's choices, by the accessible name of the menu button
# (the date buttons keep theirs; the others are named after their caption).
YEAR = str(datetime.date.today().year)
PURCHASE = [
    ("Purchase month", "March"),
    ("Purchase day", "5"),
    ("Purchase year", YEAR),
    ("Type of User", "Student"),
    ("Type of Business", "Studio"),
]
# What the other purchase choices send and save, with a location and a work
# type from the menus and no other question answered.
WEB_STORE = {"PurchaseLocation": "Tarn Web Store", "Reseller": "Reseller", "WorkType": "Film",
             "WorkTypeOther": "", "OtherSystems": "", "ContactMe": "0", "ThirdParty": "0"}
WEB_STORE_SAVED = {"PurchaseLocation": "Tarn Web Store", "ResellerInfo": "Reseller",
                   "BuyerWorkType": "Film", "WorkTypeOther": "", "OwnTarnSystems": "",
                   "TarnSpecial": "0", "TarnPartnerSpecial": "0"}

# The purchase date as the service takes it: one month and one day early,
# months counted from 0, at one second past midnight in UTC (the tests run
# the program in UTC).
PURCHASE_DATE = "01/04/%s 00:00:01" % YEAR

# The engine's parameter text lists its keys in byte order.
SENT_KEYS = ["ADDRESS1", "ADDRESS2", "BusinessType", "CITY", "COUNTRY", "Company", "ContactMe",
             "Department", "Email", "FirstName", "LastName", "OtherSystems", "POSTCODE", "Phone",
             "PurchaseDate", "PurchaseLocation", "Register", "Reseller", "STATE", "Serial",
             "SystemID", "ThirdParty", "Title", "UserType", "WorkType", "WorkTypeOther"]


def sent_registration(address, codes, contact=CONTACT, **purchase):
    """The registration text the engine must receive, as the outbox keeps it
    (Latin-1, so letters outside it are "?"). address holds the four typed
    texts; codes the region and country codes; contact the typed contact
    fields."""
    values = {
        "SystemID": SYSTEM_ID, "Serial": SERIAL, "Register": "2",
        "FirstName": contact["First Name:"], "LastName": contact["Last Name:"],
        "Company": contact["Company:"], "Department": contact["Department:"],
        "Email": contact["Email Address:"], "Phone": contact["Phone Number:"],
        "Title": contact["Title:"], "PurchaseDate": PURCHASE_DATE,
        "UserType": "Student", "BusinessType": "Studio",
        "ADDRESS1": address["Street Address 1:"], "ADDRESS2": address["Street Address 2:"],
        "CITY": address["City:"], "POSTCODE": address["Zip/Postal Code:"],
        "STATE": codes[0], "COUNTRY": codes[1],
    }
    values.update(purchase)
    text = ",".join(key + "=" + values[key] for key in SENT_KEYS)
    return text.encode("latin-1", "replace").decode("latin-1")


def saved_record(address, region, country, contact=CONTACT, **purchase):
    """RegInfo.xml's two groups, as DataFolder.saved_record reads them."""
    second = {"PurchaseMonth": "March", "PurchaseDay": "5", "PurchaseYear": YEAR,
              "BuyerDescription": "Student", "BuyerBusiness": "Studio"}
    second.update(purchase)
    return {
        "FirstRegPage": [
            ("FirstName", contact["First Name:"]), ("LastName", contact["Last Name:"]),
            ("Title", contact["Title:"]), ("Company", contact["Company:"]),
            ("Department", contact["Department:"]),
            ("EmailAddress", contact["Email Address:"]),
            ("PhoneNumber", contact["Phone Number:"]),
            ("StreetAddress1", address["Street Address 1:"]),
            ("StreetAddress2", address["Street Address 2:"]),
            ("City", address["City:"]), ("Country", country), ("State", region),
            ("Zip", address["Zip/Postal Code:"]),
        ],
        "SecondRegPage": [(name, second[name]) for name in (
            "PurchaseMonth", "PurchaseDay", "PurchaseYear", "PurchaseLocation", "ResellerInfo",
            "BuyerDescription", "BuyerBusiness", "BuyerWorkType", "WorkTypeOther",
            "OwnTarnSystems", "TarnSpecial", "TarnPartnerSpecial")],
    }


class KvbTestCase(unittest.TestCase):
    """Each test gets a fresh data folder; start() runs KVB on it."""

    # Whatever KVB wrote to stderr, a sanitizer's report say, is shown whole.
    maxDiff = None

    def setUp(self):
        self.folder = DataFolder()
        self.runs = []

    def tearDown(self):
        try:
            for run in self.runs:
                # The program reports only on its pages, never on the console.
                self.assertEqual(run.close(), "", "KVB wrote to stderr")
        finally:
            self.folder.cleanup()

    def start(self, **environment):
        environment.setdefault("KVB_SYSTEM_ID", SYSTEM_ID)
        environment.setdefault("KVB_SERIAL", SERIAL)
        kvb = Kvb(self.folder, **environment)
        self.runs.append(kvb)
        self.assertEqual(kvb.page(), "contact")
        return kvb

    def assert_fits(self, kvb):
        width, height = kvb.window_size()
        self.assertLessEqual(width, 600, "window width on the %s page" % kvb.page())
        self.assertLessEqual(height, 400, "window height on the %s page" % kvb.page())

    def fill_contact_page(self, kvb, address, country=COUNTRY[0], region=REGION[0]):
        kvb.fill(CONTACT)
        kvb.fill(address)
        kvb.press("Country:")
        kvb.choose_from_list("Select a country", "Countries", country)
        kvb.choose_from_menu("State/Province/Region:", region)
        self.assertEqual(kvb.get("push button", "Country:").description, country)
        self.assertEqual(kvb.get("push button", "State/Province/Region:").description, region)

    def fill_purchase_page(self, kvb, location="Tarn Web Store", work="Film"):
        for button, item in PURCHASE:
            kvb.choose_from_menu(button, item)
        kvb.choose_from_menu("Purchase Location", location)
        kvb.choose_from_menu("Type of Work", work)

    def next_to(self, kvb, page):
        kvb.press("Next")
        kvb.wait_for_page(page)
        self.assert_fits(kvb)

    def assert_outbox(self, *texts):
        """The outbox holds one line per registration: the time, the caller
        type and the text the engine received."""
        lines = self.folder.outbox_lines()
        self.assertEqual([line[1:] for line in lines], [["KVB", text] for text in texts])
        for line in lines:
            datetime.datetime.strptime(line[0], "%Y-%m-%dT%H:%M:%SZ")
