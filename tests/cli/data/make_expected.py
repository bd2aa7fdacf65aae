#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the expected settings files the tests compare with, from the key tables of the
# file format (sections, keys, order, defaults) typed in here, not taken from the program.
# Run from this folder: python3 make_expected.py
import os

CLOCK = ["Clock Year", "Clock Month", "Clock Day", "Clock Hour", "Clock Minute", "Clock Second"]
WORK_HOURS = ["Work Hour", "Work Hour StartH", "Work Hour StartM", "Work Hour StopH", "Work Hour StopM"]

def clock(y, mo, d, h, mi, s):
    return list(zip(CLOCK, [y, mo, d, h, mi, s]))

def work_hours():
    return [(k, 0) for k in WORK_HOURS]

def fx200(c):
    return ([("Work Mode", 0), ("Camera Mode", 0), ("Photo Burst", 0), ("Time Lapse", 0),
             ("PIR Trigger", 1), ("PIR Interval", 0), ("Photo Size", 1), ("Video Length", 5),
             ("Video Size", 0)] + work_hours() + clock(*c) + [("Work Day", 127), ("Send To", 1)])

def group1(c, sweden=False):
    keys = [("Language", 3 if sweden else 0), ("Photo Size", 1), ("Photo Burst", 0),
            ("Camera Mode", 0), ("PIR Interval", 13 if sweden else 1), ("Time Lapse", 0),
            ("PIR Trigger", 1)]
    if not sweden:
        keys.append(("SMS Control", 0))
    keys += [("Video Size", 0), ("Video Length", 5)] + work_hours() + clock(*c)
    keys += [("Send To", 2 if sweden else 0), ("Send Mode", 2 if sweden else 0),
             ("Max Number", 100 if sweden else 0), ("DR Time H", 0), ("DR Time M", 0)]
    return keys

def ln713z(c):
    return ([("Language", 0), ("Camera Mode", 0), ("Security Mode", 0), ("Camera Position", 0),
             ("Time Lapse", 0), ("PIR Trigger", 1), ("PIR Interval", 1), ("SMS Control", 0),
             ("Photo Size", 0), ("Photo Burst", 0), ("Video Size", 0), ("Video Length", 0),
             ("Game Call", 0), ("GameCall Hour", 0), ("GameCall Minute", 0),
             ("GameCall PlayTime", -1)] + clock(*c) + work_hours()
            + [("Work Day", 127), ("Send To", 0), ("Send Mode", 0), ("Max Number", 0),
               ("DR Time H", 0), ("DR Time M", 0)])

def ln714w(c):
    return ([("Language", 0), ("Camera Mode", 0), ("Camera Position", 0), ("Time Lapse", 0),
             ("PIR Trigger", 1), ("PIR Interval", 1), ("SMS Control", 1), ("Photo Size", 0),
             ("Photo Burst", 0), ("Video Size", 0), ("Video Length", 1), ("Game Call", 0),
             ("GameCall Hour", 0), ("GameCall Minute", 0), ("GameCall PlayTime", -1)]
            + clock(*c) + work_hours()
            + [("Send To", 0), ("Send Mode", 0), ("Max Number", 0), ("DR Time H", 0),
               ("DR Time M", 0)])

WAP = ["URL", "APN", "IP", "Port", "Account", "Password"]
INTERNET = ["GPRSAPN", "GPRSAccount", "GPRSPassword", "SendEmailServer", "SendEmailPort",
            "SendEmailAddr", "SendEmailPassword"]
RECEIVE = ["AdministratorNum", "PhoneNum2", "PhoneNum3", "PhoneNum4",
           "ReceiveEmail1", "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4"]

def settings_file(stem, ssl, camera, net=None, ssl_value="", recipients=None):
    net = net or {}
    recipients = recipients or [""] * 8
    lines = ["[WKSFileMark]", "Model=" + stem, "[Via WAP Settings]"]
    lines += [k + "=" + net.get(k, "") for k in WAP]
    lines += ["[Via Internet Settings]"] + [k + "=" + net.get(k, "") for k in INTERNET]
    if ssl:
        lines.append("SMTP SSL=" + ssl_value)
    lines += ["[Receive number and receive email]"]
    lines += [k + "=" + v for k, v in zip(RECEIVE, recipients)]
    lines += ["[Camera Setting]"]
    lines += [k + "=" + ("" if v < 0 and k != "GameCall PlayTime" else str(v)) for k, v in camera]
    return "".join(line + "\r\n" for line in lines).encode("latin-1")

def write(path, data):
    with open(path, "wb") as f:
        f.write(data)

# `wks-settings new MODEL --clock 2026-12-07T14:05:09`: defaults, no preset except the
# KT320V-8PRO's Sweden/Telia (values as `wks-settings presets Sweden` lists them).
NEW = (2026, 12, 7, 14, 5, 9)
SWEDEN_TELIA = {
    "URL": "http://mmss/", "APN": "mms.telia.se", "IP": "193.209.134.132", "Port": "8080",
    "Account": "wap", "Password": "wap", "GPRSAPN": "online.telia.se", "GPRSAccount": "",
    "GPRSPassword": "", "SendEmailServer": "smtp.telia.example.net", "SendEmailPort": "25",
    "SendEmailAddr": "trailcam.se@example.org", "SendEmailPassword": "trailcam-se"}
write("FX200.TXT", settings_file("FX200", False, fx200(NEW)))
write("KT470RX.TXT", settings_file("KT470RX", True, group1(NEW)))
write("LN615Z.TXT", settings_file("LN615Z", True, group1(NEW)))
write("KT320V.TXT", settings_file("KT320V", True, group1(NEW, sweden=True), SWEDEN_TELIA, "0"))
write("LN713Z.TXT", settings_file("LN713Z", False, ln713z(NEW)))
write("LN714W.TXT", settings_file("LN714W", True, ln714w(NEW)))

# The whole-file write of the settings tests: KT470RX-8PRO defaults, clock fixed at
# 2024-02-29 23:59:58, every network value and recipient set to a text of its own.
NET = {"URL": "http://mms.example.net/mms", "APN": "mms.example", "IP": "10.1.2.3",
       "Port": "8080", "Account": "mmsuser", "Password": "mmspass", "GPRSAPN": "internet.example",
       "GPRSAccount": "gprsuser", "GPRSPassword": "gprspass", "SendEmailServer": "smtp.example.net",
       "SendEmailPort": "587", "SendEmailAddr": "camera@example.net", "SendEmailPassword": "mailpass"}
RECIPIENTS = ["+46700000001", "+46700000002", "+46700000003", "+46700000004",
              "one@example.net", "two@example.net", "three@example.net", "four@example.net"]
write(os.path.join("..", "..", "settings", "data", "KT470RX.TXT"),
      settings_file("KT470RX", True, group1((2024, 2, 29, 23, 59, 58)), NET, "1", RECIPIENTS))
