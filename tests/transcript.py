#!/usr/bin/env python3
"""Runs transcript cases: a program, what it is given, and exactly what it must print.

A case file is named after its program (runsum.test holds the cases of runsum). Lines
starting with '#' are comments. A case starts at the first column with its
name; the lines below it that start with blanks continue it. Its fields:

  args=    "..." ...   command-line arguments, one literal each
  in=      "..." ...   standard input, the literals joined (default: empty)
  stdin=   closed | directory
                       standard input closed, or open on a directory, instead
  stdout=  full | closed
                       standard output on /dev/full, or closed, instead
  out=     "..." ...   standard output, one literal per record (line)
  status=  N           exit status (default 0)
  err=     "..." ...   standard error, one literal per line (default: empty);
                       when the last line is the runtime's backtrace header, the
                       rest must be a backtrace that names the program body
  prompt-first         the first record must arrive before any input is given
  memory=  MiB         the program runs with at most this much address space
  random=  X,Y,...     the random fill hands out these values (--fixed-random)

Literals are double-quoted with backslash escapes (\\n, \\t, \\xNN for a raw
byte, \\\\, \\"); any other character stands for its UTF-8 bytes. A literal
followed by *N stands for N copies of it.

  transcript.py --list FILE                       the case names of FILE
  transcript.py --program PATH [options] FILE CASE run one case; exit 0 when it passes

The expected bytes are written once, as the Linux build prints them. On
--platform windows, records end with CR LF, and standard error is compared
up to the backtrace header, whose frames carry no names there; a line that
quotes the operating system's own message is compared up to that message.
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
OS_ERROR_PREFIX = b"Operating system error: "

TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"(?:\*(\d+))?|([a-z-]+)=|(\S+)')


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
    stdin_kind: str = "pipe"
    stdout_kind: str = "pipe"


def literal(text):
    return codecs.escape_decode(text.encode("utf-8"))[0]


def parse_case(name, text):
    case = Case()
    key = None
    values = {}
    for match in TOKEN.finditer(text):
        quoted, copies, new_key, word = match.groups()
        if new_key is not None:
            key = new_key
            values.setdefault(key, [])
        elif word == "prompt-first":
            case.prompt_first = True
            key = None
        elif key is None:
            raise SystemExit(f"case {name}: {match.group(0)} belongs to no field")
        else:
            item = literal(quoted) * int(copies or 1) if quoted is not None else word.encode()
            values[key].append(item)
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
        elif key == "stdin" and items[0] in (b"closed", b"directory"):
            case.stdin_kind = items[0].decode()
        elif key == "stdout" and items[0] in (b"full", b"closed"):
            case.stdout_kind = items[0].decode()
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
    def __init__(self, options):
        self.program = options.program
        self.launcher = shlex.split(options.launcher)
        self.fixed_random = options.fixed_random
        self.sanitized = options.sanitized
        self.windows = options.platform == "windows"
        self.bits = options.bits
        self.timeout = options.timeout

    def command(self, case):
        program = self.fixed_random if case.random is not None else self.program
        return [*self.launcher, program, *case.args]

    def environment(self, case):
        """The variables a case adds to the environment."""
        added = {}
        if case.random is not None:
            added["RANDOM_FIXTURE"] = case.random
        if case.memory_mib is not None and self.sanitized:
            # The sanitizer's shadow memory needs far more address space than
            # any limit would leave, so its allocator carries the limit instead.
            asan = [os.environ["ASAN_OPTIONS"]] if os.environ.get("ASAN_OPTIONS") else []
            asan.append(f"allocator_may_return_null=1:max_allocation_size_mb={case.memory_mib}")
            added["ASAN_OPTIONS"] = ":".join(asan)
        return added

    def memory_limit(self, case):
        """The address-space limit in bytes, where one applies. A 32-bit
        program can never be granted what such a case asks, and the emulator
        that may run it needs address space of its own."""
        if case.memory_mib is None or self.sanitized or self.bits == 32:
            return None
        return case.memory_mib << 20

    def expected_stdout(self, case):
        return case.stdout.replace(b"\n", b"\r\n") if self.windows else case.stdout

    def run(self, case):
        command = self.command(case)
        limit = self.memory_limit(case)
        stdin, stdout, opened, closed = subprocess.PIPE, subprocess.PIPE, [], []
        if case.stdin_kind == "directory":
            stdin = os.open(Path(__file__).parent, os.O_RDONLY)
            opened.append(stdin)
        elif case.stdin_kind == "closed":
            stdin = subprocess.DEVNULL
            closed.append(0)
        if case.stdout_kind == "full":
            stdout = os.open("/dev/full", os.O_WRONLY)
            opened.append(stdout)
        elif case.stdout_kind == "closed":
            stdout = subprocess.DEVNULL
            closed.append(1)

        def prepare_child():
            if limit is not None:
                resource.setrlimit(resource.RLIMIT_AS, (limit, limit))
            for fd in closed:
                os.close(fd)

        try:
            process = subprocess.Popen(command, stdin=stdin, stdout=stdout, stderr=subprocess.PIPE,
                                       env={**os.environ, **self.environment(case)},
                                       preexec_fn=prepare_child, bufsize=0)
        finally:
            for fd in opened:
                os.close(fd)
        early = b""
        if case.prompt_first:
            early = first_record(process)
        try:
            out, err = process.communicate(case.stdin if stdin == subprocess.PIPE else None, timeout=self.timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            out, err = process.communicate()
            err += f"\n[no end within {self.timeout} s: killed]\n".encode()
        out = out or b""
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


def check_stderr(expected_lines, err, windows):
    """Problems with standard error, or an empty list."""
    lines = err.split(b"\n")
    head = lines[:len(expected_lines)]
    if windows:
        head = [line.removesuffix(b"\r") for line in head]
        head = [OS_ERROR_PREFIX if line.startswith(OS_ERROR_PREFIX) else line for line in head]
        expected_lines = [OS_ERROR_PREFIX if line.startswith(OS_ERROR_PREFIX) else line for line in expected_lines]
    if head != expected_lines:
        return ["standard error differs:"] + diff(b"\n".join(expected_lines) + b"\n", err)
    rest = [line for line in lines[len(expected_lines):] if line]
    if expected_lines and expected_lines[-1] == BACKTRACE_HEADER:
        if windows:
            return []
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
    limit = runner.memory_limit(case)
    if limit is not None:
        return f"printf '{stdin}' | (ulimit -v {limit >> 10}; {' '.join(words)})"
    return f"printf '{stdin}' | {' '.join(words)}"


def run_case(runner, path, name):
    case = read_cases(path)[name]
    command, early, out, err, status = runner.run(case)
    expected = runner.expected_stdout(case)
    problems = []
    if status < 0:
        problems.append(f"killed by signal {-status}")
    elif status != case.status:
        problems.append(f"exit status {status}, expected {case.status}")
    if case.prompt_first and (not early or not expected.startswith(early)):
        problems.append(f"before any input it printed {early!r}, not its first record")
    if out != expected:
        problems += ["standard output differs:"] + diff(expected, out)
    problems += check_stderr(case.stderr_lines, err, runner.windows)
    if problems:
        print("\n".join(problems))
        print("reproduce with:\n  " + reproduce(runner, command, case))
        if err and not case.stderr_lines:
            print("standard error was:\n" + err.decode(errors="replace"))
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", help="the built program that the case file is named after")
    parser.add_argument("--fixed-random", default="", help="the same program with a fixed random fill")
    parser.add_argument("--launcher", default="", help="command that runs the program (an emulator)")
    parser.add_argument("--platform", choices=["linux", "windows"], default="linux")
    parser.add_argument("--bits", type=int, choices=[32, 64], default=64, help="the programs' pointer width")
    parser.add_argument("--timeout", type=int, default=120, help="seconds a run may take")
    parser.add_argument("--sanitized", action="store_true", help="the programs carry the sanitizers")
    parser.add_argument("--list", metavar="FILE")
    parser.add_argument("file", nargs="?")
    parser.add_argument("case", nargs="?")
    options = parser.parse_args()
    if options.list:
        print("\n".join(read_cases(options.list)))
        return 0
    return run_case(Runner(options), options.file, options.case)


if __name__ == "__main__":
    sys.exit(main())
