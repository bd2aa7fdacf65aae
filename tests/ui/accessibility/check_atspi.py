#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a running screen through AT-SPI and checks what a screen reader is told: every edit
field and list has a name, the same description, and a "labelled by" relation to its visible
label; every button and check box has a name; the names are the ones expected; a drop-down is
named by its label, its list holds its current entry selected, the value read out, and it says
whether its list is open; the main screen's banner answers a press at once and opens the About
box after.

usage: check_atspi.py APP_NAME SCREEN [LANGUAGE]   (SCREEN and LANGUAGE as given to wks-ui-show)

In a language other than English the names expected are the English ones as the language's
catalogue translates them.
"""
import os
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

# Per screen: (role group, accessible name, label it is labelled by or None).
EXPECTED = {
    "wap": [
        ("field", "MMS URL", "MMS URL :"),
        ("field", "MMS APN", "MMS APN :"),
        ("field", "MMS IP", "MMS IP :"),
        ("field", "MMS PORT", "PORT :"),
        ("field", "ACCOUNT", "ACCOUNT :"),
        ("field", "PASSWORD", "PASSWORD :"),
        ("field", "GPRS APN", "GPRS APN :"),
        ("field", "GPRS ACCOUNT", "GPRS ACCOUNT :"),
        ("field", "GPRS PASSWORD", "GPRS PASSWORD :"),
        ("field", "SEND EMAIL SERVER", "SEND EMAIL SERVER :"),
        ("field", "SEND EMAIL PORT", "PORT :"),
        ("field", "SEND EMAIL ADDRESS", "SEND EMAIL ADDRESS :"),
        ("field", "SEND EMAIL PASSWORD", "SEND EMAIL PASSWORD :"),
        ("button", "CLEAR PARAMETERS (C)", None),
        ("button", "Advanced... (V)", None),
        ("button", "Test E-mail (T)", None),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
    "model-select": [
        ("field", "Select Product", "Select Product"),
        ("button", "Remember My Choice", None),
        ("button", "OK (Y)", None),
        ("button", "EXIT (N)", None),
    ],
    # Qt 6.4 reports no "labelled by" relation for list boxes (item views), though their labels
    # are their buddies; they are checked by name and description.
    "main": [
        ("button", "About Us", None),
        ("field", "Select Country", None),
        ("field", "Select Operator", None),
        ("button", "Check WAP / Internet Parameters (L)", None),
        ("button", "Default Setting (D)", None),
        ("button", "Change Setting (C)", None),
        ("field", "Admin Number", "Admin...Number :"),
        ("field", "Phone Number 2", "Phone Number 2 :"),
        ("field", "Phone Number 3", "Phone Number 3 :"),
        ("field", "Phone Number 4", "Phone Number 4 :"),
        ("field", "Receive Email 1", "Receive Email 1 :"),
        ("field", "Receive Email 2", "Receive Email 2 :"),
        ("field", "Receive Email 3", "Receive Email 3 :"),
        ("field", "Receive Email 4", "Receive Email 4 :"),
        ("field", "Settings file",
         "Attention Please ,The Data Above Will Be Saved In The Following  File: "),
        ("button", "SAVE (Y)", None),
        ("button", "Many Cards... (M)", None),
        ("button", "EXIT (N)", None),
    ],
    # The card station before a run; its tables, item views too, are checked by name and
    # description.
    "station": [
        ("field", "Cameras (A)", None),
        ("button", "Open List... (O)", None),
        ("button", "Add Camera (D)", None),
        ("button", "Remove Camera (R)", None),
        ("button", "Write over a settings file already on a card (W)", None),
        ("field", "Cards", None),
        ("button", "Start (S)", None),
        ("button", "Stop (T)", None),
        ("button", "Close (L)", None),
    ],
    "wap-advanced": [
        ("button", "This service requires SSL (S)", None),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
    # The camera screens on the settings file's defaults. A time's minutes are labelled by the
    # label of its hours.
    "camera-fx200": [
        ("field", "Work Mode", "Work Mode"),
        ("field", "Camera Mode", "Camera Mode"),
        ("field", "Photo Burst", "Photo Burst"),
        ("field", "Time Lapse", "Time Lapse"),
        ("field", "PIR Trigger", "PIR Trigger"),
        ("field", "PIR Interval", "PIR Interval"),
        ("field", "Photo Size", "Photo  Size"),
        ("field", "Video Length", "Video Length"),
        ("field", "Video Size", "Video Size"),
        ("button", "Set Clock : (SYSTEM TIME)", None),
        ("field", "Clock date", None),
        ("field", "Clock time", None),
        ("button", "Select All", None),
        ("button", "Sunday", None),
        ("button", "Monday", None),
        ("button", "Tuesday", None),
        ("button", "Wednesday", None),
        ("button", "Thursday", None),
        ("button", "Friday", None),
        ("button", "Saturday", None),
        ("button", "Local", None),
        ("button", "Phone [MMS]", None),
        ("button", "Email [GPRS]", None),
        ("button", "Call", None),
        ("field", "Work Hour", "Work Hour"),
        ("field", "Start Time hour", "Start Time"),
        ("field", "Start Time minute", "Start Time"),
        ("field", "Stop Time hour", "Stop Time"),
        ("field", "Stop Time minute", "Stop Time"),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
    "camera-group1": [
        ("field", "Language", "Language"),
        ("field", "Photo Size", "Photo Size"),
        ("field", "Photo Burst", "Photo Burst"),
        ("field", "Camera Mode", "Camera Mode"),
        ("field", "PIR Interval", "PIR Interval"),
        ("field", "Time Lapse", "Time Lapse"),
        ("field", "PIR Trigger", "PIR Trigger"),
        ("field", "SMS Control", "SMS Control"),
        ("field", "Video Size", "Video Size"),
        ("field", "Video Length", "Video Length"),
        ("button", "Set Clock : (SYSTEM TIME)", None),
        ("field", "Clock date", None),
        ("field", "Clock time", None),
        ("field", "Work Hour", "Work Hour"),
        ("field", "Start Time hour", "Start Time"),
        ("field", "Start Time minute", "Start Time"),
        ("field", "Stop Time hour", "Stop Time"),
        ("field", "Stop Time minute", "Stop Time"),
        ("button", "Phone [MMS]", None),
        ("button", "Email [MMS]", None),
        ("button", "Email [GPRS]", None),
        ("button", "Manual", None),
        ("button", "Daily Report", None),
        ("field", "Send Time hour", "Send Time :"),
        ("field", "Send Time minute", "Send Time :"),
        ("button", "Instant", None),
        ("field", "Max Number", "Max Number :"),
        ("button", "Off", None),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
    "camera-ln713z": [
        ("field", "Language", "Language"),
        ("field", "Camera Mode", "Camera Mode"),
        ("field", "Security Mode", "Security Mode"),
        ("field", "Camera Position", "Camera Position"),
        ("field", "Time Lapse", "Time Lapse"),
        ("field", "PIR Trigger", "PIR Trigger"),
        ("field", "PIR Interval", "PIR Interval"),
        ("field", "SMS Control", "SMS Control"),
        ("field", "Photo Size", "Photo Size"),
        ("field", "Photo Burst", "Photo Burst"),
        ("field", "Video Size", "Video Size"),
        ("field", "Video Length", "Video Length"),
        ("field", "Game Call", "Game Call"),
        ("field", "Game Call hour", "H:"),
        ("field", "Game Call minute", "M:"),
        ("field", "Replay Time", "Replay Time"),
        ("button", "Set Clock : (SYSTEM TIME)", None),
        ("button", "Add Audio", None),
        ("field", "Audio file", None),
        ("field", "Clock date", None),
        ("field", "Clock time", None),
        ("field", "Work Hour", "Work Hour"),
        ("field", "Start Time hour", "Start Time"),
        ("field", "Start Time minute", "Start Time"),
        ("field", "Stop Time hour", "Stop Time"),
        ("field", "Stop Time minute", "Stop Time"),
        ("button", "Select All", None),
        ("button", "Sunday", None),
        ("button", "Monday", None),
        ("button", "Tuesday", None),
        ("button", "Wednesday", None),
        ("button", "Thursday", None),
        ("button", "Friday", None),
        ("button", "Saturday", None),
        ("button", "Phone [MMS]", None),
        ("button", "Email [MMS]", None),
        ("button", "Email [GPRS]", None),
        ("button", "Call", None),
        ("button", "Manual", None),
        ("button", "Daily Report", None),
        ("field", "Send Time hour", "Send Time :"),
        ("field", "Send Time minute", "Send Time :"),
        ("button", "Instant", None),
        ("field", "Max Number", "Max Number :"),
        ("button", "Off", None),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
    "camera-ln714w": [
        ("field", "Language", "Language"),
        ("field", "Camera Mode", "Camera Mode"),
        ("field", "Send To", "Send To"),
        ("field", "Camera Position", "Camera Position"),
        ("field", "Photo Size", "Photo Size"),
        ("field", "Photo Burst", "Photo Burst"),
        ("field", "Video Size", "Video Size"),
        ("field", "Video Length", "Video Length"),
        ("field", "Game Call", "Game Call"),
        ("field", "Game Call hour", "H:"),
        ("field", "Game Call minute", "M:"),
        ("field", "Replay Time", "Replay Time"),
        ("button", "Set Clock : (SYSTEM TIME)", None),
        ("button", "Add Audio", None),
        ("field", "Audio file", None),
        ("field", "Clock date", None),
        ("field", "Clock time", None),
        ("field", "Work Hour", "Work Hour"),
        ("field", "Start Time hour", "Start Time"),
        ("field", "Start Time minute", "Start Time"),
        ("field", "Stop Time hour", "Stop Time"),
        ("field", "Stop Time minute", "Stop Time"),
        ("field", "Time Lapse", "Time Lapse"),
        ("field", "PIR Trigger", "PIR Trigger"),
        ("field", "PIR Interval", "PIR Interval"),
        ("field", "SMS Control", "SMS Control"),
        ("button", "Manual", None),
        ("button", "Daily Report", None),
        ("field", "Send Time hour", "Send Time :"),
        ("field", "Send Time minute", "Send Time :"),
        ("button", "Instant", None),
        ("field", "Max Number", "Max Number :"),
        ("button", "Off", None),
        ("button", "OK (Y)", None),
        ("button", "Cancel (N)", None),
    ],
}
# The KT320V-8PRO's Group 1 screen leaves out SMS Control.
EXPECTED["camera-group1-kt320v"] = [c for c in EXPECTED["camera-group1"] if c[1] != "SMS Control"]
# Per screen: drop-downs and the entry a screen reader reads as their value.
VALUES = {
    "main": {"Settings file": "C:\\GSM\\KT470RX.TXT"},
    "camera-group1": {"Language": "English", "PIR Interval": " 5 Sec", "Start Time minute": "00"},
    "camera-ln714w": {"Send To": "Photo[MMS]", "SMS Control": "ON", "Replay Time": "OFF"},
}
FIELD_ROLES = {"text", "password text", "entry", "combo box", "list", "list box", "spin button",
               "table"}
BUTTON_ROLES = {"push button", "check box", "radio button"}
# A control made of parts (the IP address field) is a frame named as one control.
COMPOUND_ROLES = {"frame", "panel", "filler"}
IP_PARTS = {"1", "2", "3", "4"}


def find_app(name):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no application {name!r} on the accessibility bus")


def walk(acc):
    yield acc
    for child in acc:
        if child is not None:
            yield from walk(child)


def labelled_by(acc):
    for rel in acc.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [rel.getTarget(i).name for i in range(rel.getNTargets())]
    return []


def press(acc, action="Press"):
    """Runs the action as a screen reader does; returns the seconds the call took."""
    actions = acc.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    start = time.monotonic()
    actions.doAction(names.index(action))
    return time.monotonic() - start


def wait_for(condition, seconds=5):
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.1)
    return True


def expanded(acc):
    return acc.getState().contains(pyatspi.STATE_EXPANDED)


def check_opening(combo, problems):
    """A drop-down's press opens its list and a second one closes it; it says which it is."""
    name = combo.name
    press(combo)
    opened = wait_for(lambda: expanded(combo))
    press(combo)
    closed = wait_for(lambda: not expanded(combo))
    print(f"{'':14} {name!r} opened: expanded {opened}; closed: collapsed {closed}")
    if not opened or not closed:
        problems.append(f"combo box {name!r}: does not say whether its list is open")


def check_about_box(app, banner, title, problems):
    """Pressing the banner answers at once; the About box opens after, and its OK closes it."""
    try:
        took = press(banner)
    except Exception as error:  # the bus gives up waiting for the answer after 25 s
        problems.append(f"the banner's press got no answer: {error}")
        return
    print(f"{'':14} the banner's press answered in {took:.2f} s")
    if took > 1:
        problems.append(f"the banner's press took {took:.1f} s to answer")

    def about_ok():
        for acc in walk(app):
            if acc.getRoleName() == "dialog" and acc.name == title:
                return next((b for b in walk(acc)
                             if b.getRoleName() == "push button" and b.name.startswith("OK")), None)
        return None
    if not wait_for(about_ok):
        problems.append("the About box did not open after the banner's press")
        return
    press(about_ok())
    if not wait_for(lambda: about_ok() is None):
        problems.append("the About box's OK did not close it")


def spoken(text):
    """A label's words as a screen reader is told them: no "&", no colon, single blanks."""
    text = text.replace("&", "").strip()
    return " ".join((text[:-1] if text.endswith(":") else text).split())


def translator(language):
    """English words to the language's: a text, its spoken form and a button's name."""
    if not language:
        return lambda text: text
    words = {}
    catalogue = os.path.join(os.path.dirname(__file__), "..", "..", "..", "translations",
                             f"wks-config_{language}.ts")
    for message in ElementTree.parse(catalogue).iter("message"):
        source, translation = message.findtext("source"), message.findtext("translation")
        if source and translation:
            words.setdefault(source, translation)
            words.setdefault(spoken(source), spoken(translation))
            words.setdefault(source.replace("&", ""), translation.replace("&", ""))
    return lambda text: words.get(text, text)


def main():
    app_name, screen = sys.argv[1], sys.argv[2]
    tr = translator(sys.argv[3] if len(sys.argv) > 3 else "")
    expected = [(role, tr(name), label and tr(label))
                for role, name, label in EXPECTED["wap" if screen in ("wap-check", "wap-user")
                                                  else screen]]
    values = {tr(name): value for name, value in VALUES.get(screen, {}).items()}
    app = find_app(app_name)
    seen, problems = [], []
    first_combo = banner = None
    for acc in walk(app):
        role, name = acc.getRoleName(), acc.name
        in_combo = acc.parent is not None and acc.parent.getRoleName() == "combo box"
        if not acc.getState().contains(pyatspi.STATE_VISIBLE) and not in_combo:
            continue  # a control the screen leaves out; a screen reader passes over it
        labels = labelled_by(acc)
        if role in FIELD_ROLES and name in IP_PARTS:
            continue  # the IP field's parts; the field itself is checked by its relation
        if role in BUTTON_ROLES:
            seen.append(("button", name, None))
            print(f"{role:14} name={name!r}")
            if name == tr("About Us"):
                banner = acc
            if not name:
                problems.append(f"{role} without a name")
        elif role in FIELD_ROLES or (role in COMPOUND_ROLES and labels):
            print(f"{role:14} name={name!r:24} description={acc.description!r:24} labelled-by={labels}")
            # A drop-down's own list is spoken by the drop-down's name, with no label of its own.
            if in_combo:
                if name != acc.parent.name or labels:
                    problems.append(f"{role} {name!r}: not named as its drop-down")
                continue
            seen.append(("field", name, labels[0] if labels else None))
            if not name or acc.description != name or len(labels) > 1:
                problems.append(f"{role} {name!r}: name or description missing")
            if role == "combo box":
                states = acc.getState()
                if not states.contains(pyatspi.STATE_EXPANDABLE) or expanded(acc):
                    problems.append(f"{role} {name!r}: not reported as a closed drop-down")
                if first_combo is None and states.contains(pyatspi.STATE_ENABLED):
                    first_combo = acc
                entries = [e for part in acc if part is not None for e in part if e is not None]
                chosen = [e.name for e in entries if e.getState().contains(pyatspi.STATE_SELECTED)]
                print(f"{'':14} value={chosen}")
                if len(chosen) > 1:
                    problems.append(f"{role} {name!r}: entries {chosen} selected at once")
                want = values.get(name)
                if want is not None and chosen != [want]:
                    problems.append(f"{role} {name!r}: value {chosen}, expected {want!r}")
            if role in COMPOUND_ROLES:
                parts = [c.name for c in walk(acc) if c.getRoleName() in FIELD_ROLES]
                print(f"{'':14} parts={parts}")
                if parts != sorted(IP_PARTS):
                    problems.append(f"{name!r}: parts {parts}")
    if first_combo is not None:
        check_opening(first_combo, problems)
    if banner is not None:
        check_about_box(app, banner, tr("About Us"), problems)
    for item in expected:
        if item not in seen:
            problems.append(f"expected {item} not found")
    for item in seen:
        if item not in expected:
            problems.append(f"unexpected {item}")
    for p in problems:
        print("PROBLEM:", p)
    print(f"{screen}: {len(seen)} controls, {len(problems)} problems")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
