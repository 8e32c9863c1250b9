"""KVB as its Debian package installs it, used by ordinary users. Each test
runs as a user of its own, under tests/e2e/xsession with /usr as the
installation; tests/package/run sets that up, one test at a time."""

import os
import stat
import unittest

from kvb import Kvb, read_record
from registration import (COUNTRY, CONTACT, REGION, STANDARD_ADDRESS, WEB_STORE,
                          WEB_STORE_SAVED, KvbTestCase, saved_record, sent_registration)

USER_FOLDER = os.path.expanduser("~/.local/share/Tarn/CustomData")
RECORD = os.path.join(USER_FOLDER, "RegData", "RegInfo.xml")
OUTBOX = os.path.expanduser("~/.local/state/quill/outbox.txt")

# Where else the program would look for a catalogue: the other system data
# folder and the share folder beside the program's real file.
PROGRAM_FOLDER = os.path.dirname(os.path.realpath("/usr/bin/kvb"))
OTHER_CATALOGUE_FOLDERS = [USER_FOLDER, "/usr/local/share/Tarn/CustomData",
                           os.path.join(PROGRAM_FOLDER, "..", "share", "Tarn", "CustomData")]


class InstalledTest(KvbTestCase):
    """Runs the program as the user starts it from the menu: no data folder
    set, the engine's outbox in the user's state folder."""

    def setUp(self):
        self.runs = []

    def tearDown(self):
        for run in self.runs:
            self.assertEqual(run.close(), "", "KVB wrote to stderr")

    def start(self, **environment):
        environment.update(KVB_SYSTEM_ID="SYS-0042", KVB_SERIAL="SN-1234-5678")
        kvb = Kvb(None, **environment)
        self.runs.append(kvb)
        self.assertEqual(kvb.page(), "contact")
        return kvb

    def test_first_user_registers_into_their_home(self):
        # Only the installed catalogues exist, so a country that can be
        # chosen comes from /usr/share.
        self.assertEqual([folder for folder in OTHER_CATALOGUE_FOLDERS
                          if os.path.exists(folder)], [])
        kvb = self.start()
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.next_to(kvb, "purchase")
        self.fill_purchase_page(kvb)
        kvb.press("Save and Register")
        kvb.wait_for_status("Registration successful.")
        kvb.press("Quit")
        self.assertEqual(kvb.exit_status(), 1)

        self.assertEqual(read_record(RECORD), saved_record(
            STANDARD_ADDRESS, REGION[0], COUNTRY[0], **WEB_STORE_SAVED))
        with open(OUTBOX, encoding="utf-8") as outbox:
            self.assertEqual([line.rstrip("\n").split("\t")[2] for line in outbox],
                             [sent_registration(STANDARD_ADDRESS, ("AK", "US"), **WEB_STORE)])
        # The record and every folder the save made are the user's alone.
        self.assertEqual(stat.S_IMODE(os.stat(RECORD).st_mode), 0o600)
        folder = os.path.dirname(RECORD)
        while folder != os.path.expanduser("~"):
            self.assertEqual(stat.S_IMODE(os.stat(folder).st_mode), 0o700, folder)
            folder = os.path.dirname(folder)

        # The next start fills the pages in from the record.
        kvb = self.start()
        self.assertEqual({name: kvb.text(name) for name in CONTACT}, CONTACT)

    def test_second_user_starts_with_empty_pages(self):
        kvb = self.start()
        fields = dict(CONTACT, **STANDARD_ADDRESS)
        self.assertEqual({name: kvb.text(name) for name in fields},
                         dict.fromkeys(fields, ""))



if __name__ == "__main__":
    unittest.main()
