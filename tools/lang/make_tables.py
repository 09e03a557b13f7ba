#!/usr/bin/env python3
"""Build the eleven compiled UI text tables in res/lang/ from the UTF-8 masters.

Masters live next to this script as <word>.utf8.txt (UTF-8, LF line ends).
Output formats:
  english.txt  8-bit ASCII, no byte-order mark, CR LF line ends, no line end
               after the last line;
  the others   UTF-16LE starting with FF FE, CR LF line ends.

Usage:
  python3 make_tables.py           validate the masters, then write res/lang/*.txt
  python3 make_tables.py --check   validate the masters and the written tables
                                   (nothing is written); exit code 1 on problems
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "res", "lang"))

# word -> (face name, charset, code page) of the [font] section
LANGUAGES = [
    ("english", ("Tahoma", 1, 409)),
    ("french", ("Tahoma", 1, 409)),
    ("german", ("Tahoma", 1, 409)),
    ("italian", ("Tahoma", 1, 409)),
    ("spanish", ("Tahoma", 1, 409)),
    ("portuguese", ("Tahoma", 1, 409)),
    ("russian", ("Tahoma", 1, 409)),
    ("japanese", ("Tahoma", 1, 409)),
    ("korean", ("dotum", 129, 949)),
    ("chinesesimplified", ("simsun", 134, 1200)),
    ("chinesetraditional", ("simsun", 134, 1200)),
]

KEY_LINE = re.compile(r'^(IDS_STRING\d+)="([^"]*)"$')
# Texts that must stay the same in every language.
INVARIANT = {"IDS_STRING191": "km/h", "IDS_STRING192": "mph"}


class Problems:
    def __init__(self):
        self.items = []

    def add(self, where, what):
        self.items.append("%s: %s" % (where, what))

    def __bool__(self):
        return bool(self.items)


def master_path(word):
    return os.path.join(HERE, word + ".utf8.txt")


def table_path(word):
    return os.path.join(OUT_DIR, word + ".txt")


def expected_header(font):
    face, charset, codepage = font
    return [
        "[font]",
        'DEFAULT_UI_FACENAME="%s"' % face,
        "DEFAULT_UI_CHARSET=%d" % charset,
        "DEFAULT_UI_CODEPAGE=%d" % codepage,
        "",
        "[text]",
    ]


def read_master(word, font, problems):
    """Return (lines, {key: value}) of a master, recording format problems."""
    where = os.path.basename(master_path(word))
    try:
        raw = open(master_path(word), "rb").read()
    except OSError as exc:
        problems.add(where, "cannot read (%s)" % exc)
        return [], {}
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.add(where, "starts with a UTF-8 byte-order mark")
        raw = raw[3:]
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as exc:
        problems.add(where, "not valid UTF-8 (%s)" % exc)
        return [], {}
    if "\r" in text:
        problems.add(where, "contains CR characters; use LF line ends")
        text = text.replace("\r", "")
    lines = text.split("\n")
    while lines and lines[-1] == "":
        lines.pop()

    header = expected_header(font)
    if lines[: len(header)] != header:
        problems.add(where, "header must be exactly: %r" % header)

    values = {}
    for number, line in enumerate(lines[len(header):], len(header) + 1):
        m = KEY_LINE.match(line)
        if not m:
            problems.add(where, 'line %d is not KEY="value": %r' % (number, line))
            continue
        key, value = m.groups()
        if key in values:
            problems.add(where, "line %d repeats %s" % (number, key))
        if value.strip() == "":
            problems.add(where, "%s is empty" % key)
        elif value != value.strip():
            problems.add(where, "%s has leading or trailing blanks" % key)
        values[key] = value
    return lines, values


def compare_with_english(word, values, english, problems):
    where = word + ".utf8.txt"
    missing = sorted(set(english) - set(values))
    extra = sorted(set(values) - set(english))
    if missing:
        problems.add(where, "missing keys: " + ", ".join(missing))
    if extra:
        problems.add(where, "keys not in English: " + ", ".join(extra))
    for key, value in values.items():
        if key not in english:
            continue
        en = english[key]
        # Backslash sequences are expanded by the lookup; keep them as in English.
        for seq in ("\\n", "\\r"):
            if value.count(seq) != en.count(seq):
                problems.add(where, "%s: %r count differs from English" % (key, seq))
        if value.count("\\") != en.count("\\"):
            problems.add(where, "%s: backslash count differs from English" % key)
        if value.count("%") != en.count("%"):
            problems.add(where, "%s: '%%' count differs from English" % key)
        if key in INVARIANT and value != INVARIANT[key]:
            problems.add(where, "%s must read %r" % (key, INVARIANT[key]))


def encode_table(word, lines):
    if word == "english":
        return "\r\n".join(lines).encode("ascii")
    return b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le")


def load_masters(problems):
    masters = {}
    for word, font in LANGUAGES:
        masters[word] = read_master(word, font, problems)
    english_lines, english = masters["english"]
    for line in english_lines:
        if any(ord(c) > 127 for c in line):
            problems.add("english.utf8.txt", "non-ASCII text: %r" % line)
    for word, _ in LANGUAGES:
        if word != "english":
            compare_with_english(word, masters[word][1], english, problems)
    return masters


def parse_table(data):
    """Decode and parse a compiled table the way the program reads it.

    Returns (sections, text) where sections maps a lower-case section name to
    {key: value}."""
    if data[:2] == b"\xff\xfe":
        text = data[2:2 + (len(data) - 2) // 2 * 2].decode("utf-16-le")
    else:
        text = data.decode("ascii")
    sections = {}
    current = None
    for line in text.replace("\r", "").split("\n"):
        line = line.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            name = line[1:-1].strip().lower()
            current = sections.setdefault(name, {}) if name else None
            continue
        if current is None:
            continue
        if "=" not in line:
            current[line] = ""
            continue
        key, _, rest = line.partition("=")
        rest = rest.strip(" \t")
        if rest[:1] in ('"', "'"):
            end = rest.find(rest[0], 1)
            value = rest[1:end] if end >= 0 else rest[1:]
        else:
            value = rest.split(";", 1)[0].strip()
        current[key.strip()] = value
    return sections, text


def check_tables(masters, problems):
    key_sets = {}
    for word, font in LANGUAGES:
        where = "res/lang/%s.txt" % word
        try:
            data = open(table_path(word), "rb").read()
        except OSError as exc:
            problems.add(where, "cannot read (%s)" % exc)
            continue
        if word == "english":
            if data[:2] == b"\xff\xfe" or data[:3] == b"\xef\xbb\xbf":
                problems.add(where, "must not start with a byte-order mark")
            if data.endswith(b"\n") or data.endswith(b"\r"):
                problems.add(where, "last line must have no line end")
            if any(b > 127 for b in data):
                problems.add(where, "contains bytes above 127")
        else:
            if data[:2] != b"\xff\xfe":
                problems.add(where, "must start with FF FE")
                continue
            if (len(data) - 2) % 2:
                problems.add(where, "odd number of UTF-16 bytes")
        try:
            sections, text = parse_table(data)
        except UnicodeDecodeError as exc:
            problems.add(where, "does not decode (%s)" % exc)
            continue
        bare_lf = re.search(r"(?<!\r)\n", text)
        bare_cr = re.search(r"\r(?!\n)", text)
        if bare_lf or bare_cr:
            problems.add(where, "line ends must be CR LF")
        if "font" not in sections or "text" not in sections:
            problems.add(where, "needs [font] and [text] sections")
            continue
        face, charset, codepage = font
        want_font = {
            "DEFAULT_UI_FACENAME": face,
            "DEFAULT_UI_CHARSET": str(charset),
            "DEFAULT_UI_CODEPAGE": str(codepage),
        }
        if sections["font"] != want_font:
            problems.add(where, "[font] is %r, want %r" % (sections["font"], want_font))
        for key, value in sections["text"].items():
            if value.strip() == "":
                problems.add(where, "%s is empty" % key)
        key_sets[word] = set(sections["text"])
        if data != encode_table(word, masters[word][0]):
            problems.add(where, "out of date with its master; run make_tables.py")
    english = key_sets.get("english")
    for word, keys in key_sets.items():
        if english is not None and keys != english:
            problems.add("res/lang/%s.txt" % word, "key set differs from English")
    return key_sets


def main(argv):
    check_only = "--check" in argv[1:]
    problems = Problems()
    masters = load_masters(problems)
    if problems:
        for item in problems.items:
            print(item)
        print("masters have problems; nothing written")
        return 1
    if not check_only:
        os.makedirs(OUT_DIR, exist_ok=True)
        for word, _ in LANGUAGES:
            with open(table_path(word), "wb") as out:
                out.write(encode_table(word, masters[word][0]))
    key_sets = check_tables(masters, problems)
    for item in problems.items:
        print(item)
    for word, _ in LANGUAGES:
        if word in key_sets:
            print("%-20s %d keys" % (word, len(key_sets[word])))
    print("OK" if not problems else "FAILED")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
