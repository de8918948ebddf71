#!/usr/bin/env python3
"""A bounded fuzz run of the four reading programs.

Each program gets a fixed-seed stream of generated inputs: valid numbers and
texts dressed in blanks, signs, repeat counts, separators, quotes, slashes and
line ends, boundary values, and random bytes. Every run must end with status
0 or the runtime's error status (never a signal or a time-out). With status 0
it must print exactly the records that the program's rules give for the
values it read, worked out here independently; with any other status it must
print nothing after the last complete prompt.

Where the generator knows the value an input holds, the records are checked
exactly; for free-form and random inputs, the value is taken from what the
program printed where it shows in full, and the records are checked against it.

  fuzz.py --bin DIR [--seed S] [--count N] [--launcher CMD]
"""

import argparse
import concurrent.futures
import os
import random
import re
import shlex
import subprocess
import sys
import time

RUNTIME_ERROR = 2
TIMEOUT_SECONDS = 20
INT_PROMPT = b" Donner la valeur de n :\n"
PROMPTS = {
    "runsum": [INT_PROMPT],
    "oddsum": [INT_PROMPT],
    "gridfill": [b" entrer le nombre n:\n"],
    "strorder": [b" Donner la 1ere chaine :\n", " Donner la 2eme chaîne :\n".encode()],
}
BOUNDARIES = [0, 1, -1, 2, 9, 10, 11, 99, 999, 1000, -99, -100, 1413, 1414, 1998, 1999, 65535, 65536,
              92681, 131071, 131072, 32767, 32768, 2147483647, -2147483648]
TEXT_ALPHABET = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-+éèçœ€"
FREE_FORM = [b" ", b"\t", b",", b"/", b"*", b"'", b'"', b"\n", b"\r\n", b"+", b"-", b"0", b"7", b"2*", b"a", b"\x00"]


def wrap32(value):
    return (value + 2**31) % 2**32 - 2**31


def iw(value, width):
    digits = str(value)
    return digits.rjust(width) if len(digits) <= width else "*" * width


def f52(value):
    field = f"{value:5.2f}"
    return field if len(field) <= 5 else "*****"


def runsum_records(n):
    total = wrap32(n * (n + 1) // 2) if n >= 1 else 0
    return f"la somme des {iw(n, 3)} premiers termes est {iw(total, 6)}\n".encode()


def oddsum_records(n):
    passes = (n + 1) // 2 if n >= 1 else 0
    return f"la somme des termes impairs, inferieurs a {iw(n, 3)} est {iw(wrap32(passes * passes), 6)}\n".encode()


def gridfill_records(n):
    return b"".join(("".join(f52(i * j) for j in range(1, n + 1)) + "\n").encode() for i in range(1, n + 1))


def field(value):
    return value[:20].ljust(20, b" ")


def strorder_records(first, second):
    a, b = field(first), field(second)
    if a > b:
        a, b = b, a
    return b" ch1=" + a + b" et ch2=" + b + b"\n"


RECORDS = {"runsum": runsum_records, "oddsum": oddsum_records, "gridfill": gridfill_records}


# What an input is expected to give: ("value", n), ("texts", a, b), ("error",) or None (unknown).
def integer_input(rng, program):
    kind = rng.random()
    if kind < 0.55:
        if program == "gridfill":  # tables stay small, or beyond the size guard
            n = rng.choice([rng.randint(-5, 12), rng.randint(32768, 2**31 - 1), 2**31 - 1])
        else:
            n = rng.choice([rng.choice(BOUNDARIES), rng.randint(-2000, 2000), rng.randint(-2**31, 2**31 - 1)])
        typed = dressed_integer(rng, n)
        # When the input ends right after a slash, the runtime reaches the end
        # of the input while it skips the rest of the record, and reports it.
        refused = typed.endswith(b"/") or (program == "gridfill" and n >= 32768)
        return typed, ("error",) if refused else ("value", n)
    if kind < 0.65:
        n = rng.choice([2**31, 2**31 + rng.randint(0, 10**6), -2**31 - 1, 10**12])
        return f"{n}\n".encode(), ("error",)
    if kind < 0.85:
        return b"".join(rng.choice(FREE_FORM) for _ in range(rng.randint(0, 8))), None
    return bytes(rng.randrange(256) for _ in range(rng.randint(0, 24))), None


def dressed_integer(rng, n):
    digits = str(abs(n)).zfill(rng.choice([0, 0, 0, len(str(abs(n))) + 2]))
    sign = "-" if n < 0 else rng.choice(["", "", "+"])
    value = sign + digits
    if rng.random() < 0.2:
        value = f"{rng.randint(1, 5)}*{value}"
    before = rng.choice(["", " ", "  \t", "\n", "\n \n", "\r\n"])
    after = rng.choice(["", " ", ",", " 99", ", junk", "/", " / x", "\t"])
    end = rng.choice(["\n", "\n", "\r\n", ""])
    return (before + value + after + end).encode()


def text_value(rng):
    """A value and the bytes that give it."""
    length = rng.randint(1, 28)
    value = "".join(rng.choice(TEXT_ALPHABET) for _ in range(length))
    if value[0] in "0123456789" and rng.random() < 0.5:
        value = "x" + value
    if rng.random() < 0.3:
        inner = value[: rng.randint(0, len(value))] + rng.choice([" ", ", ", "/", "''"]) + value
        quoted = "'" + inner + "'"
        return inner.replace("''", "'").encode(), quoted.encode()
    # A bare value with digits before a star would be a repeat count.
    value = value.replace("*", "x")
    return value.encode(), value.encode()


def text_input(rng):
    kind = rng.random()
    if kind < 0.6:
        (a, typed_a), (b, typed_b) = text_value(rng), text_value(rng)
        tail = rng.choice(["", " rest of line", ", more"])
        end = rng.choice(["\n", "\r\n"])
        return typed_a + tail.encode() + end.encode() + typed_b + end.encode(), ("texts", a, b)
    if kind < 0.8:
        return b"".join(rng.choice(FREE_FORM + [b"mot", b"'deux mots'"]) for _ in range(rng.randint(0, 10))), None
    return bytes(rng.randrange(256) for _ in range(rng.randint(0, 40))), None


def check(program, expected, status, out):
    """A problem with one run, or None."""
    prompts = PROMPTS[program]
    if status < 0:
        return f"killed by signal {-status}"
    if status not in (0, RUNTIME_ERROR):
        return f"exit status {status}"
    complete_prompts = [b"".join(prompts[:k]) for k in range(1, len(prompts) + 1)]
    if status != 0:
        if expected and expected[0] != "error" and program != "strorder":
            return f"status {status} for an input that holds {expected[1]}"
        if out not in complete_prompts:
            return f"status {status} after printing {out!r}"
        return None
    if expected and expected[0] == "error":
        return "status 0 for an input that must be refused"
    if not out.startswith(complete_prompts[-1]):
        return f"the prompts are not complete: {out!r}"
    body = out[len(complete_prompts[-1]):]
    wanted = expected_body(program, expected, body)
    if wanted != body:
        return f"printed {body!r}, expected {wanted!r}"
    return None


def expected_body(program, expected, body):
    """The records the program's rules give; with no expectation, for the value the output shows."""
    if program == "strorder":
        if expected:
            return strorder_records(expected[1], expected[2])
        match = re.fullmatch(rb" ch1=(.{20}) et ch2=(.{20})\n", body, re.S)
        return strorder_records(match.group(1), match.group(2)) if match else b"a record of two 20-byte fields"
    if expected:
        return RECORDS[program](expected[1])
    if program == "gridfill":
        return gridfill_records(body.count(b"\n"))
    match = re.search(rb" (...) (premiers|est )", body)
    shown = match.group(1).strip() if match else b""
    return RECORDS[program](int(shown)) if re.fullmatch(rb"-?\d+", shown) else body


def run(command, stdin):
    # The runtime's backtrace after an error is checked by the transcript
    # cases; here it would only cost a tenth of a second per failing run.
    environment = {**os.environ, "GFORTRAN_ERROR_BACKTRACE": "0"}
    try:
        result = subprocess.run(command, input=stdin, capture_output=True, timeout=TIMEOUT_SECONDS, env=environment)
    except subprocess.TimeoutExpired:
        return None, b""
    return result.returncode, result.stdout


def fuzz(program, command, seed, count):
    rng = random.Random(f"{seed}:{program}")
    cases = [text_input(rng) if program == "strorder" else integer_input(rng, program) for _ in range(count)]
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        for (stdin, expected), (status, out) in zip(cases, pool.map(lambda case: run(command, case[0]), cases)):
            problem = "no end within the time limit" if status is None else check(program, expected, status, out)
            if problem:
                failures.append((stdin, problem))
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--seed", type=int, default=20261211)
    parser.add_argument("--count", type=int, default=2000, help="inputs per program")
    parser.add_argument("--launcher", default="", help="command that runs the programs (an emulator)")
    options = parser.parse_args()
    started = time.monotonic()
    failed = 0
    for program in PROMPTS:
        command = [*shlex.split(options.launcher), os.path.join(options.bin, program)]
        failures = fuzz(program, command, options.seed, options.count)
        for stdin, problem in failures[:5]:
            print(f"{program}: {problem}\n  input {stdin!r}")
        failed += len(failures)
        print(f"{program}: {options.count} inputs, {len(failures)} failed")
    print(f"seed {options.seed}, {options.count} inputs per program, {time.monotonic() - started:.1f} s"
          f" (rerun: fuzz.py --bin {options.bin} --seed {options.seed} --count {options.count})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
