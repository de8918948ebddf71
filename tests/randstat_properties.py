#!/usr/bin/env python3
"""randstat draws a new table on every run, so its runs are checked by property:
every value lies in [0, 1), and the printed maximum and mean are exactly those
of the printed table. Nine significant digits give back the exact 32-bit real,
and each operation done in double precision and rounded to 32 bits gives the
correctly rounded 32-bit result (53 >= 2 * 24 + 2 bits)."""

import argparse
import struct
import subprocess
import sys


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def left_to_right_mean(values):
    total = values[0]
    for value in values[1:]:
        total = f32(total + value)
    return f32(total / 10.0)


def check(output):
    lines = output.decode().replace("\r\n", "\n").split("\n")
    if len(lines) != 4 or lines[3] != "" or lines[0] != " Voici le tableau tab rempli aleatoirement":
        return f"not the three records: {output!r}"
    table = [f32(float(field)) for field in lines[1].split()]
    labels = lines[2].split()
    if len(table) != 10 or len(labels) != 4 or labels[0] != "Moyenne=" or labels[2] != "Maximum=":
        return f"unexpected records: {lines[1:3]!r}"
    moy, largest = f32(float(labels[1])), f32(float(labels[3]))
    if not all(0.0 <= value < 1.0 for value in table):
        return f"a value outside [0, 1): {table}"
    if largest != max(table):
        return f"maximum {largest!r}, but the table's largest is {max(table)!r}"
    if moy != left_to_right_mean(table):
        return f"mean {moy!r}, but the left-to-right 32-bit mean is {left_to_right_mean(table)!r}"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("command", nargs="+", help="randstat, after the launcher that runs it, if any")
    options = parser.parse_args()
    for _ in range(options.runs):
        run = subprocess.run(options.command, stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
        problem = check(run.stdout)
        if run.returncode != 0 or run.stderr:
            problem = f"exit status {run.returncode}, standard error {run.stderr!r}"
        if problem:
            print(f"{options.command}: {problem}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
