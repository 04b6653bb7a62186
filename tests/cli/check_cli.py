#!/usr/bin/env python3
"""Runs the real tabula-cli through pipes, a full disk and a closed reader, and reads its json
and csv exports back with Python's own parsers.
    check_cli.py TABULA_CLI"""
import csv
import io
import json
import os
import signal
import struct
import subprocess
import sys
import tempfile

cli = sys.argv[1]
failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}:\n  got  {got!r}\n  want {want!r}")


def run(*args, stdin=None, stdout=subprocess.PIPE, **kwargs):
    return subprocess.run([cli, *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE,
                          **kwargs)


# (index, body, tagged) in the deck's order; bodies break lines with CR LF as the editor does.
cards = [
    ('Caf\u00e9, "Le Coin"', 'Menu: 12 \u20ac,\r\n\u201cplat du jour\u201d, "dessert"', True),
    ("Smith, Anne", "Line one\r\n\r\nline three,\twith a comma", False),
    ("zebra", "", False),
]
deck = struct.pack("<II", 0xAAAB, len(cards)) + b"".join(
    index.encode("cp1252").ljust(42, b"\0") + body.encode("cp1252").ljust(512, b"\0")
    + struct.pack("<i", tagged) for index, body, tagged in cards)

with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "deck.tbx")
    with open(path, "wb") as f:
        f.write(deck)

    # Standard input by "-" and by /dev/stdin, from a pipe.
    for name in ("-", "/dev/stdin"):
        listed = run("list", name, stdin=deck)
        check(f"list {name} status", (listed.returncode, listed.stderr), (0, b""))
        check(f"list {name}", listed.stdout.decode(), "".join(c[0] + "\n" for c in cards))

    # Standard output for convert: the deck comes through a pipe byte for byte.
    converted = run("convert", path, "-", "--to", "tbx")
    check("convert to - status", (converted.returncode, converted.stderr), (0, b""))
    check("convert to -", converted.stdout, deck)

    want = [{"index": i, "body": b.replace("\r\n", "\n"), "tagged": t} for i, b, t in cards]
    exported = run("export", "-", "--format", "json", stdin=deck)
    check("json status", exported.returncode, 0)
    check("json cards", json.loads(exported.stdout.decode("utf-8")), want)

    exported = run("export", path, "--format=csv")
    check("csv status", exported.returncode, 0)
    text = exported.stdout.decode("utf-8")
    check("csv record ends", text.count("\r\n"), 1 + len(cards) + sum(
        b.count("\r\n") for _, b, _ in cards))
    rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    check("csv rows", rows, [["index", "body", "tagged"]] + [
        [i, b, "true" if t else "false"] for i, b, t in cards])

    # A full disk: status 2 and a word on standard error.
    with open("/dev/full", "wb") as full:
        written = run("list", path, stdout=full)
    check("/dev/full status", written.returncode, 2)
    check("/dev/full message", b"No space left on device" in written.stderr, True)

    # A reader that is gone: the program ends by SIGPIPE without a word, even when it was
    # started with SIGPIPE ignored.
    signal.signal(signal.SIGPIPE, signal.SIG_IGN)
    reader, writer = os.pipe()
    os.close(reader)
    gone = run("export", path, stdout=writer, restore_signals=False)
    os.close(writer)
    check("closed reader", (gone.returncode, gone.stderr), (-signal.SIGPIPE, b""))

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
