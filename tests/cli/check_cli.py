#!/usr/bin/env python3
"""Runs the real tabula-cli through pipes, a full disk and a closed reader, and reads its json
and csv exports back with Python's own parsers.
    check_cli.py TABULA_CLI"""
import csv, io, json, os, signal, struct, subprocess, sys, tempfile

failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}:\n  got  {got!r}\n  want {want!r}")


def run(*args, stdin=None, stdout=subprocess.PIPE, **kwargs):
    return subprocess.run([sys.argv[1], *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE, **kwargs)


# (index, body, tagged) in the deck's order; bodies break lines with CR LF as the editor does.
cards = [('Caf\u00e9, "Le Coin"', 'Menu: 12 \u20ac,\r\n\u201cplat du jour\u201d, "dessert"', True),
         ("Smith, Anne", "Line one\r\n\r\nline three,\twith a comma", False), ("zebra", "", False)]
deck = struct.pack("<II", 0xAAAB, len(cards)) + b"".join(
    i.encode("cp1252").ljust(42, b"\0") + b.encode("cp1252").ljust(512, b"\0")
    + struct.pack("<i", t) for i, b, t in cards)

with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "deck.tbx")
    open(path, "wb").write(deck)
    for name in ("-", "/dev/stdin"):  # standard input, from a pipe
        got = run("list", name, stdin=deck)
        check(f"list {name}", (got.returncode, got.stdout.decode(), got.stderr),
              (0, "".join(c[0] + "\n" for c in cards), b""))
    got = run("convert", path, "-", "--to", "tbx")
    check("convert to -", (got.returncode, got.stdout, got.stderr), (0, deck, b""))
    got = run("export", "-", "--format", "json", stdin=deck)
    check("json", (got.returncode, json.loads(got.stdout.decode("utf-8"))),
          (0, [{"index": i, "body": b.replace("\r\n", "\n"), "tagged": t} for i, b, t in cards]))
    got = run("export", path, "--format=csv")
    text = got.stdout.decode("utf-8")
    check("csv record ends", text.count("\r\n"), 1 + len(cards) + sum(b.count("\r\n") for _, b, _ in cards))
    check("csv", (got.returncode, list(csv.reader(io.StringIO(text, newline=""), strict=True))),
          (0, [["index", "body", "tagged"]] + [[i, b, "true" if t else "false"] for i, b, t in cards]))
    with open("/dev/full", "wb") as full:  # a full disk: status 2 and a word on standard error
        got = run("list", path, stdout=full)
    check("/dev/full", (got.returncode, b"No space left on device" in got.stderr), (2, True))
    # A reader that is gone: the program ends by SIGPIPE without a word, even when it was
    # started with SIGPIPE ignored.
    signal.signal(signal.SIGPIPE, signal.SIG_IGN)
    reader, writer = os.pipe()
    os.close(reader)
    got = run("export", path, stdout=writer, restore_signals=False)
    os.close(writer)
    check("closed reader", (got.returncode, got.stderr), (-signal.SIGPIPE, b""))

sys.exit("\n".join("FAIL: " + f for f in failures) or None)  # a message: status 1
