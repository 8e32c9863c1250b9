# KVB as its Debian package installs it, used by ordinary users. Each test
# runs as a user of its own, under tests/e2e/xsession with /usr as the
# installation; tests/package/run sets that up, one test at a time.

import os
import stat
import unittest

from registration import (CONTACT, REGION, STANDARD_ADDRESS, KvbTestCase, saved_record,
                          sent_registration)

USER_FOLDER = os.path.expanduser("~/.local/share/Tarn/CustomData")
RECORD = os.path.join(USER_FOLDER, "RegData", "RegInfo.xml")
OUTBOX = os.path.expanduser("~/.local/state/quill/outbox.txt")

# Where else the program would look for a catalogue: the other system data
# folder and the share folder beside the program's real file.
PROGRAM_FOLDER = os.path.dirname(os.path.realpath("/usr/bin/kvb"))
OTHER_CATALOGUE_FOLDERS = [USER_FOLDER, "/usr/local/share/Tarn/CustomData",
                           os.path.join(PROGRAM_FOLDER, "..", "share", "Tarn", "CustomData")]


# Runs the program as the user starts it from the menu: no data folder set,
# the engine's outbox in the user's state folder.
class InstalledTest(KvbTestCase):

    def setUp(self):
        self.runs = []
        self.folder = None

    def test_first_user_registers_into_their_home(self):
        # Only the installed catalogues exist, so a country that can be
        # chosen comes from /usr/share.
        self.assertEqual([folder for folder in OTHER_CATALOGUE_FOLDERS
                          if os.path.exists(folder)], [])
        kvb = self.start()
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.send_contact_page(kvb, "purchase")
        self.fill_purchase_page(kvb)
        self.register(kvb)

        self.assert_sent_and_saved([sent_registration(STANDARD_ADDRESS, ("AK", "US"))],
                                   saved_record(STANDARD_ADDRESS, REGION[0]), OUTBOX, RECORD)
        # The record and every folder the save made are the user's alone.
        self.assertEqual(stat.S_IMODE(os.stat(RECORD).st_mode), 0o600)
        folder = os.path.dirname(RECORD)
        while folder != os.path.expanduser("~"):
            self.assertEqual(stat.S_IMODE(os.stat(folder).st_mode), 0o700, folder)
            folder = os.path.dirname(folder)

        # The next start fills the pages in from the record.
        kvb = self.start()
        self.assertEqual({name: kvb.text(name) for name in CONTACT}, CONTACT)

    # The second user has put a link to the first user's ~/.profile in the
    # shared folder, where the record belongs. The folder is sticky, so the
    # first user may not replace what the second owns: the save says it
    # failed, and writes nothing anywhere.
    def test_a_link_in_the_shared_folder_is_never_written_through(self):
        profile = os.path.expanduser("~/.profile")
        with open(profile, "rb") as file:
            before = file.read()
        record = os.path.join(os.environ["SHARED_FOLDER"], "Tarn", "CustomData", "RegData",
                              "RegInfo.xml")
        kvb = self.start(KVB_COMMON_FILES_DIR=os.environ["SHARED_FOLDER"])
        self.fill_contact_page(kvb, STANDARD_ADDRESS)
        self.send_contact_page(kvb, "purchase")
        self.fill_purchase_page(kvb)
        kvb.press("Save")
        kvb.wait_for_status("Failed to save registration data.")
        with open(profile, "rb") as file:
            self.assertEqual(file.read(), before)
        self.assertEqual(os.readlink(record), profile)

    def test_second_user_starts_with_empty_pages(self):
        kvb = self.start()
        fields = dict(CONTACT, **STANDARD_ADDRESS)
        self.assertEqual({name: kvb.text(name) for name in fields},
                         dict.fromkeys(fields, ""))


if __name__ == "__main__":
    unittest.main()
