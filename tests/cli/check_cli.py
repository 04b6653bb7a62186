#!/usr/bin/env python3
# Runs the real tabula-cli (the first argument) through pipes, a full disk and a closed reader,
# and reads its json and csv exports back with Python's own parsers.
import csv, io, json, os, signal, struct, subprocess, sys, tempfile

failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}:\n  got  {got!r}\n  want {want!r}")


def run(*args, stdin=None, stdout=subprocess.PIPE, **kwargs):
    got = subprocess.run([sys.argv[1], *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE, **kwargs)
    return got.returncode, got.stdout, got.stderr


# (index, body, tagged) in the deck's order; bodies break lines with CR LF as the editor does.
cards = [('Caf\u00e9, "Le Coin"', 'Menu: 12 \u20ac,\r\n\u201cplat du jour\u201d, "dessert"', True),
         ("Smith, Anne", "Line one\r\n\r\nline three,\twith a comma", False), ("zebra", "", False)]
deck = struct.pack("<II", 0xAAAB, len(cards)) + b"".join(i.encode("cp1252").ljust(42, b"\0")
                                                        + b.encode("cp1252").ljust(512, b"\0") + struct.pack("<i", t) for i, b, t in cards)

with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "deck.tbx")
    open(path, "wb").write(deck)
    for name in ("-", "/dev/stdin"):  # standard input, from a pipe
        check(f"list {name}", run("list", name, stdin=deck), (0, "".join(c[0] + "\n" for c in cards).encode(), b""))
    check("convert to -", run("convert", path, "-", "--to", "tbx"), (0, deck, b""))
    status, out, _ = run("export", "-", "--format", "json", stdin=deck)
    check("json", (status, json.loads(out)),
          (0, [{"index": i, "body": b.replace("\r\n", "\n"), "tagged": t} for i, b, t in cards]))
    status, out, _ = run("export", path, "--format=csv")
    text = out.decode("utf-8")
    check("csv record ends", text.count("\r\n"), 1 + len(cards) + sum(b.count("\r\n") for _, b, _ in cards))
    check("csv", (status, list(csv.reader(io.StringIO(text, newline=""), strict=True))),
          (0, [["index", "body", "tagged"]] + [[i, b, "true" if t else "false"] for i, b, t in cards]))
    with open("/dev/full", "wb") as full:  # a full disk: status 2 and a word on standard error
        check("/dev/full", run("list", path, stdout=full)[::2],
              (2, b"tabula-cli: cannot write to standard output: No space left on device\n"))
    # A reader that is gone: the program ends by SIGPIPE without a word, even when it was
    # started with SIGPIPE ignored.
    signal.signal(signal.SIGPIPE, signal.SIG_IGN)
    reader, writer = os.pipe()
    os.close(reader)
    check("closed reader", run("export", path, stdout=writer, restore_signals=False)[::2], (-signal.SIGPIPE, b""))
    os.close(writer)

sys.exit("\n".join("FAIL: " + f for f in failures) or None)  # a message: status 1
