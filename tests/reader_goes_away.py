#!/usr/bin/env python3
"""A reader that stops reading early must end the writer promptly.

gridfill prints a large table into a pipe whose reader takes 100 bytes and
goes away. With SIGPIPE at its default the program dies of it, as Unix
filters do; with SIGPIPE ignored, the failed write is reported as refused
output (status 2, naming the element statement). Either way it ends well
within the time limit instead of printing the rest of the table into the void.

  reader_goes_away.py [LAUNCHER...] GRIDFILL
"""

import signal
import subprocess
import sys

N = 5000  # 25 million fields: about a minute to print in full
LIMIT_SECONDS = 20


def run(command, ignore_sigpipe):
    def prepare():
        if ignore_sigpipe:
            signal.signal(signal.SIGPIPE, signal.SIG_IGN)

    process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, preexec_fn=prepare)
    process.stdin.write(f"{N}\n".encode())
    process.stdin.close()
    process.stdout.read(100)
    process.stdout.close()
    process.stdin = process.stdout = None  # communicate() now waits for standard error alone
    try:
        _, err = process.communicate(timeout=LIMIT_SECONDS)
        status = process.returncode
    except subprocess.TimeoutExpired:
        process.kill()
        return f"still running {LIMIT_SECONDS} s after its reader went away"
    if ignore_sigpipe:
        expected = b"At line 19 of file gridfill (unit = 6, file = 'stdout')\nFortran runtime error: Broken pipe\n"
        if status != 2 or not err.startswith(expected):
            return f"status {status}, standard error {err[:200]!r}; expected status 2 and {expected!r}"
    elif status != -signal.SIGPIPE:
        return f"status {status}, expected death by SIGPIPE; standard error {err[:200]!r}"
    return None


def main():
    command = sys.argv[1:]
    failures = 0
    for ignore_sigpipe in (False, True):
        problem = run(command, ignore_sigpipe)
        if problem:
            print(f"SIGPIPE {'ignored' if ignore_sigpipe else 'default'}: {problem}")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
