#!/usr/bin/python3
"""Plays exercises as a blind pupil does, with the keyboard alone (keys sent
through the X server, where Orca hears them too), and prints, exercise by
exercise, what Orca spoke: the SPEECH OUTPUT lines of its debug log. The
tree is read only to know where the focus stands and whether a try was
right, as the pupil learns it by ear.
    orca_pupil.py <program> <orca log> [exercise caption...]"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, LOG = sys.argv[1], sys.argv[2]
EXERCISES = sys.argv[3:] or [
    "abbina contrari", "abbina sinonimi", "sinonimi contrari",
    "parola che comprende le altre", "abbina gradi", "parola intrusa", "gradi",
    "parola corretta", "vocario"]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*\{'established")
failures = []


def pump(seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def key(name, wait=0.7):
    subprocess.run(["xdotool", "key", name], check=False)
    pump(wait)


def log_size():
    with open(LOG, "rb") as f:
        return len(f.read())


def spoken_since(mark):
    with open(LOG, "rb") as f:
        text = f.read()[mark:].decode("utf-8", "replace")
    lines = [m.group(1) for m in SPOKEN.finditer(text)]
    for problem in re.findall(r".*(?:bad content sent to speak|Traceback|EXCEPTION).*", text):
        failures.append("Orca reports a failure")
        lines.append("!!! IN ORCA'S LOG: " + problem.strip())
    return lines


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == PROGRAM:
            return app
    return None


def active_frame(seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        app = application()
        for i in range(app.childCount if app else 0):
            window = app.getChildAtIndex(i)
            if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
                return window
        pump(0.2)
    return None


def focused():
    frame = active_frame(2)
    if frame is None:
        return None
    return pyatspi.findDescendant(frame, lambda x: x.getState().contains(pyatspi.STATE_FOCUSED))


def name_of(item):
    try:
        return item.name if item is not None else ""
    except GLib.Error:
        return ""


def tab_to(test, limit=45):
    for _ in range(limit):
        item = focused()
        if item is not None and test(item):
            return item
        key("Tab", 0.35)
    return None


def count(frame, caption):
    label = pyatspi.findDescendant(frame, lambda x: x.name.startswith(caption + ":"))
    return int(label.name.split(":")[1]) if label else -1


def play_matching(frame, words_to_place):
    """Picks a word, then tries the places one by one until it stays."""
    for _ in range(words_to_place):
        word = tab_to(lambda x: x.name.startswith("parola: ") and x.getRoleName() == "push button")
        if word is None:
            print("   (no word left to pick)")
            return
        key("space")
        tried = set()
        while word.getState().contains(pyatspi.STATE_CHECKED):
            place = tab_to(lambda x: x.getRoleName() == "push button"
                           and not x.name.startswith("parola")
                           and x.name not in tried and x.name != "avanti")
            if place is None:
                return
            tried.add(place.name)
            key("space", 1.0)
    avanti = focused()
    if name_of(avanti) == "avanti":
        key("space", 1.2)


def play_choice(frame):
    """Tries the answers in Tab order until one is right, then "avanti"."""
    right = count(frame, "Esatti")
    for _ in range(5):
        answer = tab_to(lambda x: x.getRoleName() == "push button" and x.name != "avanti"
                        and x.getState().contains(pyatspi.STATE_ENABLED))
        if answer is None:
            return
        key("space", 1.0)
        if count(frame, "Esatti") > right:
            break
        key("Tab", 0.35)
    if name_of(focused()) == "avanti":
        key("space", 1.5)


def to_question():
    """Esc (a picked word is put back first) until "Vuoi tornare al menù?"."""
    for _ in range(3):
        key("Escape", 1.0)
        if name_of(active_frame(2)) == "Vocario":
            return True
    return False


def leave(caption):
    """Esc to the question, Esc again for "No" (Orca says the window once
    more: what it holds now), then the question again and Return for "Sì"."""
    if to_question():
        mark = log_size()
        key("Escape", 2.5)
        print("== back in " + caption)
        for line in spoken_since(mark):
            print("   " + line)
    to_question()
    key("Return", 1.0)
    for _ in range(20):
        if name_of(active_frame(2)) == "menù degli esercizi":
            return
        pump(0.3)
    failures.append("the menu did not come back")


def main():
    pump(1.0)
    frame = active_frame(20)
    mark = 0
    print("== start screen")
    pump(3)
    for line in spoken_since(mark):
        print("   " + line)
    mark = log_size()
    key("Return", 3)
    for caption in EXERCISES:
        menu = active_frame()
        if tab_to(lambda x: x.name == caption) is None:
            failures.append("no menu button " + caption)
            continue
        mark = log_size()
        key("Return", 4)
        frame = active_frame()
        print("== " + caption + " (" + name_of(frame) + ")")
        if pyatspi.findDescendant(frame, lambda x: x.name.startswith("parola: ")):
            words = 2 if caption != "gradi" else 2
            play_matching(frame, words)
        else:
            play_choice(frame)
            play_choice(frame)
        pump(2)
        for line in spoken_since(mark):
            print("   " + line)
        leave(caption)
    if failures:
        print("FAIL: " + "; ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
