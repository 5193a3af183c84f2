#!/usr/bin/env python3
"""Lays out a current and a new location whose comparison has no early answer: the new location's
period files hold every line of the current one's, 2.5% of them in upper case, plus 2.5% lines of
their own, all shuffled. The comparison answers 2 and must count every line.

    locations.py ROOT PREFIX FILES LINES      (makes ROOT/PREFIXCurrent and ROOT/PREFIXNew)
"""
import os
import random
import sys


def location(path, files):
    os.makedirs(os.path.join(path, "Data"), exist_ok=True)
    with open(os.path.join(path, "orl.inf"), "w") as marker:
        marker.write("installed")
    for name, lines in files.items():
        with open(os.path.join(path, "Data", name), "w", newline="") as out:
            out.write("".join(line + "\r\n" for line in lines))


def period(name, lines):
    ours = ["%s-%02d;%02d:%02d;Client %d;Project %d;note %d" % (name[:7], 1 + l % 28, 8 + l % 9, l % 60,
            random.randrange(40), random.randrange(90), random.randrange(10**9)) for l in range(lines)]
    theirs = []
    for line in ours:
        roll = random.randrange(1000)
        theirs.append(line.upper() if roll < 25 else line)
        if roll >= 975:
            theirs.append(line + " (its own)")
    random.shuffle(theirs)
    return ours, theirs


def main(root, prefix, files, lines):
    random.seed(7)
    current, new = {}, {}
    for f in range(files):
        name = "%04d-%02d.txt" % (2000 + f // 12, 1 + f % 12)
        current[name], new[name] = period(name, lines)
    location(os.path.join(root, prefix + "Current"), current)
    location(os.path.join(root, prefix + "New"), new)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
