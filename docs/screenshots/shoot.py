"""Walks through one registration and takes a picture of every page and
dialog on the way, each cut to its window, in English, or in the language
given ("de", "ja"), whose pictures are named with it ("contact-empty-de").
Run by docs/screenshots/make."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "e2e"))

from kvb import DataFolder, Kvb, extents, key, pump, show_in, type_text  # noqa: E402
from registration import CONTACT, PURCHASE  # noqa: E402

FOLDER = sys.argv[1]
LANGUAGE = sys.argv[2] if len(sys.argv) > 2 else ""
# The names that come from elsewhere than the program's translations: the
# toolkit's month names and iso-codes' country names.
FURTHER = {"de": {"March": "März", "Canada": "Kanada"},
           "ja": {"March": "3月", "Canada": "カナダ"}}

# A country whose region menu fits under its button.
COUNTRY = "Canada"
REGION = "Ontario"
ADDRESS = {
    "Street Address 1:": "100 Queen St W",
    "Street Address 2:": "",
    "City:": "Toronto",
    "Zip/Postal Code:": "M5H 2N2",
}
CARELESS_ADDRESS = dict(ADDRESS, **{"Street Address 1:": "100 queen street west",
                                    "City:": "toronto", "Zip/Postal Code:": "m5h2n2"})
UNVERIFIABLE_ADDRESS = dict(ADDRESS, **{"Zip/Postal Code:": "M5H"})


def shoot(name, *boxes):
    """Saves the part of the screen that holds the boxes (x, y, width,
    height), with the pointer out of the way: in a corner of the screen,
    which the program's windows do not reach."""
    subprocess.run(["xdotool", "mousemove", "1023", "767"], check=True)
    pump(0.4)
    left = min(box[0] for box in boxes)
    top = min(box[1] for box in boxes)
    right = max(box[0] + box[2] for box in boxes)
    bottom = max(box[1] + box[3] for box in boxes)
    crop = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
    path = os.path.join(FOLDER, name + ("-" + LANGUAGE if LANGUAGE else "") + ".png")
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
    print("wrote", path)


def window_boxes(kvb):
    """The boxes of the program's windows on the screen."""
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                              str(kvb.process.pid)], capture_output=True, text=True).stdout.split()
    for window in windows:
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                  capture_output=True, text=True).stdout
        values = dict(line.split("=") for line in geometry.split())
        yield tuple(int(values[name]) for name in ("X", "Y", "WIDTH", "HEIGHT"))


def main():
    folder = DataFolder()
    if LANGUAGE:
        show_in(LANGUAGE, FURTHER[LANGUAGE])
    kvb = Kvb(folder, **({"LANGUAGE": LANGUAGE} if LANGUAGE else {}))
    try:
        window = extents(kvb.frame)
        shoot("contact-empty", window)

        # A name that reaches the maker as written, so that no warning shows.
        kvb.fill(dict(CONTACT, **{"First Name:": "Lucja"}))
        kvb.fill(ADDRESS)
        kvb.press("Country:")
        dialog = kvb.dialog("Select a country")
        type_text(COUNTRY)
        shoot("country-dialog", extents(dialog))
        key("Return")

        # The menu opened with the keyboard, so that no pointer hovers over
        # it; it is a window of its own, which may reach past the main one.
        kvb.give_window_the_keyboard()
        kvb.get("push button", "State/Province/Region:").queryComponent().grabFocus()
        key("space")
        kvb.move_in_menu(REGION)
        shoot("region-menu", *window_boxes(kvb))
        key("Return")
        shoot("contact-filled", window)

        kvb.fill(CARELESS_ADDRESS)
        kvb.press("Next")
        kvb.wait_for_page("corrected")
        kvb.press("Replace my original address with the corrected address.", "radio button")
        shoot("corrected-address", window)

        kvb.press("Cancel")
        kvb.wait_for_page("contact")
        kvb.fill(UNVERIFIABLE_ADDRESS)
        kvb.press("Next")
        kvb.wait_for_page("unverified")
        shoot("unverified-address", window)

        kvb.press("Keep my original address", "radio button")
        kvb.press("Next")
        kvb.wait_for_page("purchase")
        for name, item in PURCHASE:
            kvb.choose_from_menu(name, item)
        kvb.choose_from_menu("Purchase Location:", "Tarn Reseller")
        kvb.choose_from_menu("What type of work do you do?", "Other, Please Specify")
        kvb.set_text("Your own type of work:", "Trailers")
        kvb.press("Reseller:")
        dialog = kvb.dialog("Select a Reseller")
        type_text("Cinderpath")
        shoot("reseller-dialog", extents(dialog))
        key("Return")
        kvb.press("No", "radio button")
        shoot("purchase", window)

        kvb.press("Save and Register")
        kvb.wait_for_status("Registration successful.")
        shoot("registered", window)
    finally:
        kvb.close()
        folder.cleanup()


if __name__ == "__main__":
    main()
