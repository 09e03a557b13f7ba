#!/usr/bin/env python3
"""Writes our sample memory card (tests/fixtures/sample-card): setup.cfg and default.cfg
with plausible values in every field the program knows, and lang/ver.dat listing the
codes of the eleven UI languages. Standard library only; the output is committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CARD = os.path.join(HERE, "..", "tests", "fixtures", "sample-card")

COMMON = {
    52: 1,      # front camera resolution
    64: 1,      # front camera brightness
    76: 1,      # rear camera resolution
    100: 1,     # voice recording
    108: 1,     # voice guidance on
    112: 2,     # voice guidance volume
    116: 1,     # road-safety warning voice
    120: 3,     # impact sensitivity, continuous
    132: 1, 136: 1, 140: 1, 144: 0,  # overwrite options
    176: 3,     # impact sensitivity, parking
    180: 1,     # parking mode
    184: 1,     # motion detection
    196: 3,     # motion sensitivity
    200: 12,    # stop recording after 12 h
    204: 3,     # 11.9 V
    208: 3,     # 23.8 V
    212: 1,     # memory partition A
    216: 1,     # security LED
    372: 540,   # time-zone bias
    376: 0,     # daylight saving
    416: 0,     # km/h
    420: 1,     # LCD brightness
    424: 30000, # LCD off after 30 s
    428: 0,     # language index: en
    432: 0,     # battery auto setting
    436: 1,     # WDR
    440: 0,     # LDWS
    464: 1,     # low-voltage power-off
    484: 0, 492: 0, 500: 0,  # driver assistance
    508: 0,     # record page option
    512: 1,     # speed stamp
}


def record(overrides, serial, preserved):
    b = bytearray(544)
    struct.pack_into("<II", b, 0, 544, 0x00010002)
    b[8:12] = b"M250"
    b[40:50] = serial
    values = {**COMMON, **overrides}
    for offset, value in values.items():
        struct.pack_into("<i", b, offset, value)
    struct.pack_into("<I", b, 224, preserved)
    b[380:380 + 19] = b"Korea Standard Time"
    return bytes(b)


def main():
    os.makedirs(os.path.join(CARD, "lang"), exist_ok=True)
    with open(os.path.join(CARD, "setup.cfg"), "wb") as f:
        f.write(record({120: 4, 200: 24, 424: 600000, 512: 0}, b"SN25120001", 0x00C0FFEE))
    with open(os.path.join(CARD, "default.cfg"), "wb") as f:
        f.write(record({}, bytes(10), 0))
    with open(os.path.join(CARD, "lang", "ver.dat"), "wb") as f:
        f.write(b" Ver : 1.0.3\r\n Pack Name : M250 Language Pack\r\n"
                b" Code : en fr es de it pt ru ja ko zh-Hans zh-Hant-HK\r\n Device : M250\r\n")


if __name__ == "__main__":
    main()
