#!/usr/bin/env python3
"""Runs transcript cases: a program, what it is given, and exactly what it must print.

A case file is named after its program (runsum.test runs bin/runsum). Lines
starting with '#' are comments. A case starts at the first column with its
name; the lines below it that start with blanks continue it. Its fields:

  args=    "..." ...   command-line arguments, one literal each
  in=      "..." ...   standard input, the literals joined (default: empty)
  out=     "..." ...   standard output, one literal per record (line)
  status=  N           exit status (default 0)
  err=     "..." ...   standard error, one literal per line (default: empty);
                       when the last line is the runtime's backtrace header, the
                       rest must be a backtrace that names the program body
  prompt-first         the first record must arrive before any input is given
  memory=  MiB         the program runs with at most this much address space
  random=  X,Y,...     the runtime's random fill hands out these values

Literals are double-quoted with backslash escapes (\\n, \\t, \\xNN for a raw
byte, \\\\, \\"); any other character stands for its UTF-8 bytes.

  transcript.py --bin DIR --list FILE        the case names of FILE
  transcript.py --bin DIR FILE CASE          run one case; exit 0 when it passes
"""

import argparse
import codecs
import difflib
import os
import re
import resource
import select
import shlex
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

BACKTRACE_HEADER = b"Error termination. Backtrace:"
TIMEOUT_SECONDS = 120

TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"|([a-z-]+)=|(\S+)')


@dataclass
class Case:
    args: list = field(default_factory=list)
    stdin: bytes = b""
    stdout: bytes = b""
    status: int = 0
    stderr_lines: list = field(default_factory=list)
    prompt_first: bool = False
    memory_mib: int | None = None
    random: str | None = None


def literal(text):
    return codecs.escape_decode(text.encode("utf-8"))[0]


def parse_case(name, text):
    case = Case()
    key = None
    values = {}
    for match in TOKEN.finditer(text):
        quoted, new_key, word = match.groups()
        if new_key is not None:
            key = new_key
            values.setdefault(key, [])
        elif word == "prompt-first":
            case.prompt_first = True
            key = None
        elif key is None:
            raise SystemExit(f"case {name}: {match.group(0)} belongs to no field")
        else:
            values[key].append(literal(quoted) if quoted is not None else word.encode())
    for key, items in values.items():
        if key == "args":
            case.args = [item.decode("utf-8", "surrogateescape") for item in items]
        elif key == "in":
            case.stdin = b"".join(items)
        elif key == "out":
            case.stdout = b"".join(item + b"\n" for item in items)
        elif key == "status":
            case.status = int(items[0])
        elif key == "err":
            case.stderr_lines = items
        elif key == "memory":
            case.memory_mib = int(items[0])
        elif key == "random":
            case.random = items[0].decode()
        else:
            raise SystemExit(f"case {name}: unknown field {key}=")
    return case


def read_cases(path):
    cases = {}
    name, body = None, []
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        if line[0].isspace():
            body.append(line)
            continue
        if name:
            cases[name] = parse_case(name, "\n".join(body))
        name, _, rest = line.partition(" ")
        if name in cases:
            raise SystemExit(f"{path}: case {name} appears twice")
        body = [rest]
    if name:
        cases[name] = parse_case(name, "\n".join(body))
    return cases


class Runner:
    def __init__(self, bin_dir, fixture, sanitized):
        self.bin_dir = Path(bin_dir)
        self.fixture = fixture
        self.sanitized = sanitized

    def environment(self, case):
        """The variables a case adds to the environment."""
        added = {}
        asan = [os.environ["ASAN_OPTIONS"]] if os.environ.get("ASAN_OPTIONS") else []
        if case.random is not None:
            added["LD_PRELOAD"] = self.fixture
            added["RANDOM_FIXTURE"] = case.random
            if self.sanitized:
                asan.append("verify_asan_link_order=0")
        if case.memory_mib is not None and self.sanitized:
            # The sanitizer's shadow memory needs far more address space than
            # any limit would leave, so its allocator carries the limit instead.
            asan.append(f"allocator_may_return_null=1:max_allocation_size_mb={case.memory_mib}")
        if asan:
            added["ASAN_OPTIONS"] = ":".join(asan)
        return added

    def limits(self, case):
        if case.memory_mib is None or self.sanitized:
            return None
        size = case.memory_mib << 20
        return lambda: resource.setrlimit(resource.RLIMIT_AS, (size, size))

    def run(self, program, case):
        command = [str(self.bin_dir / program), *case.args]
        process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, env={**os.environ, **self.environment(case)},
                                   preexec_fn=self.limits(case), bufsize=0)
        early = b""
        if case.prompt_first:
            early = first_record(process)
        out, err = process.communicate(case.stdin, timeout=TIMEOUT_SECONDS)
        if self.sanitized:
            # The sanitizer announces the allocation it was told to refuse.
            err = re.sub(rb"(?m)^==\d+==WARNING: AddressSanitizer failed to allocate .*\n", b"", err)
        return command, early, early + out, err, process.returncode


def first_record(process):
    """What the program writes before it has any input: up to its first line end."""
    seen = b""
    while not seen.endswith(b"\n"):
        ready, _, _ = select.select([process.stdout], [], [], 10)
        chunk = os.read(process.stdout.fileno(), 4096) if ready else b""
        if not chunk:
            break
        seen += chunk
    return seen


def check_stderr(expected_lines, err):
    """Problems with standard error, or an empty list."""
    lines = err.split(b"\n")
    head = lines[:len(expected_lines)]
    if head != expected_lines:
        return ["standard error differs:"] + diff(b"\n".join(expected_lines) + b"\n", err)
    rest = [line for line in lines[len(expected_lines):] if line]
    if expected_lines and expected_lines[-1] == BACKTRACE_HEADER:
        if not any(re.match(rb"#\d+ +0x[0-9a-f]+ in MAIN__$", line) for line in rest):
            return ["the backtrace names no frame of the program body:"] + [repr(l) for l in rest]
        strays = [l for l in rest if not re.match(rb"#\d+ +0x[0-9a-f]+ in |\tat ", l)]
        if strays:
            return ["standard error goes on after the backtrace:"] + [repr(l) for l in strays]
    elif rest:
        return ["unexpected standard error:"] + diff(b"\n".join(expected_lines) + b"\n", err)
    return []


def diff(expected, actual):
    def lines(data):
        return [repr(line)[2:-1] for line in data.split(b"\n")]
    return list(difflib.unified_diff(lines(expected), lines(actual), "expected", "actual", lineterm=""))


def reproduce(runner, command, case):
    stdin = "".join(chr(b) if 32 <= b < 127 and chr(b) not in "'\\%" else f"\\{b:03o}" for b in case.stdin)
    words = [f"{name}={shlex.quote(value)}" for name, value in runner.environment(case).items()]
    words.append(shlex.join(command))
    if case.memory_mib is not None and not runner.sanitized:
        return f"printf '{stdin}' | (ulimit -v {case.memory_mib << 10}; {' '.join(words)})"
    return f"printf '{stdin}' | {' '.join(words)}"


def run_case(runner, path, name):
    case = read_cases(path)[name]
    program = Path(path).stem
    command, early, out, err, status = runner.run(program, case)
    problems = []
    if status < 0:
        problems.append(f"killed by signal {-status}")
    elif status != case.status:
        problems.append(f"exit status {status}, expected {case.status}")
    if case.prompt_first and (not early or not case.stdout.startswith(early)):
        problems.append(f"before any input it printed {early!r}, not its first record")
    if out != case.stdout:
        problems += ["standard output differs:"] + diff(case.stdout, out)
    problems += check_stderr(case.stderr_lines, err)
    if problems:
        print("\n".join(problems))
        print("reproduce with:\n  " + reproduce(runner, command, case))
        if err and not case.stderr_lines:
            print("standard error was:\n" + err.decode(errors="replace"))
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--fixture", default="", help="library that fixes the random fill")
    parser.add_argument("--sanitized", action="store_true", help="the programs carry the sanitizers")
    parser.add_argument("--list", metavar="FILE")
    parser.add_argument("file", nargs="?")
    parser.add_argument("case", nargs="?")
    options = parser.parse_args()
    if options.list:
        print("\n".join(read_cases(options.list)))
        return 0
    return run_case(Runner(options.bin, options.fixture, options.sanitized), options.file, options.case)


if __name__ == "__main__":
    sys.exit(main())
