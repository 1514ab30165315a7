#!/usr/bin/env python3
"""Mutation testing of the game core.

Plants one plausible fault at a time from mutants.txt (beside this script),
rebuilds, runs the test suite and puts the file back. A mutant is killed when a
test fails (or hangs, or crashes); it survives when every test passes. Mutants
marked `equivalent:` behave exactly like the game and are skipped, with their
reason printed.

Each mutant is tried in steps, each only if the ones before kill nothing:
  own    build and run the core test program of the mutated file's folder;
  unit   build and run the core unit test programs (tests/core), quick;
  match  build the replay driver, the soak and the end-to-end tests and run
         them: the golden traces, the soak, tests/e2e (whole matches);
  suite  build everything and run the whole suite but the layout check:
         ctest -LE "bench|package" -E clang_format.

    tools/mutate/mutate.py                 every mutant; writes last-result.txt
    tools/mutate/mutate.py --list          the list, nothing built
    tools/mutate/mutate.py --only ID ...   these mutants (ids or shell patterns)
    tools/mutate/mutate.py --file ShotOutcome   mutants of matching files

It uses the build directory as it is (configure it first with
`cmake -S . -B build -DGALLOWBY_BENCH=OFF`), runs everything at the lowest CPU
priority, and always puts the mutated file back, even on Ctrl-C.
"""

import argparse
import fnmatch
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
MUTANTS = HERE / "mutants.txt"
FULL_RESULT = HERE / "last-result.txt"
SUBSET_RESULT = HERE / "last-subset-result.txt"
# The test program of a folder of src/core, where it is not test_<folder>.
OWN_PROGRAM = {"match": "test_game", "input": "test_game", "ports": "test_game"}
UNIT_TIMEOUT = 120   # seconds for one core test program; a hang counts as a kill
SUITE_TIMEOUT = 300  # seconds for any one ctest test


@dataclass
class Mutant:
    id: str
    file: str = ""
    find: str = ""
    into: str = ""
    why: str = ""
    equivalent: str = ""
    line: int = 0  # where it starts in mutants.txt
    status: str = ""
    detail: str = ""
    seconds: float = 0.0


def parse_mutants(path):
    mutants, current = [], None
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        if raw.startswith("#") or not raw.strip():
            continue
        if raw.startswith("== "):
            current = Mutant(id=raw[3:].strip(), line=number)
            mutants.append(current)
            continue
        key, sep, value = raw.partition(": ")
        if current is None or not sep or key not in ("file", "find", "into", "why", "equivalent"):
            sys.exit(f"{path.name}:{number}: cannot read this line: {raw!r}")
        setattr(current, key, value)
    return mutants


def check_mutants(mutants):
    """Every mutant names a file, a snippet found exactly once in it, and a change."""
    problems, seen = [], set()
    for m in mutants:
        where = f"{MUTANTS.name}:{m.line} {m.id}"
        if m.id in seen:
            problems.append(f"{where}: id used twice")
        seen.add(m.id)
        if not (m.file and m.find and m.why) or m.find == m.into:
            problems.append(f"{where}: needs file, find, into (different) and why")
            continue
        source = ROOT / m.file
        if not source.is_file():
            problems.append(f"{where}: no file {m.file}")
            continue
        count = source.read_text().count(m.find)
        if count != 1:
            problems.append(f"{where}: snippet found {count} times in {m.file}")
    if problems:
        sys.exit("\n".join(problems))


def run(cmd, timeout=None, cwd=ROOT):
    """Runs a command; returns (exit status or 'timeout', combined output)."""
    try:
        done = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              text=True, errors="replace", timeout=timeout)
        return done.returncode, done.stdout
    except subprocess.TimeoutExpired as expired:
        out = expired.stdout or ""
        return "timeout", out if isinstance(out, str) else out.decode(errors="replace")


def core_test_programs():
    text = (ROOT / "tests/core/CMakeLists.txt").read_text()
    return re.findall(r"gallowby_test\(\s*(\w+)", text)


class Runner:
    def __init__(self, build, jobs):
        self.build = Path(build)
        self.jobs = str(jobs)
        self.programs = core_test_programs()

    def build_targets(self, targets=None):
        cmd = ["cmake", "--build", str(self.build), "-j", self.jobs]
        if targets:
            cmd += ["--target", *targets]
        status, out = run(cmd)
        return status == 0, out

    def own(self, m):
        """Runs the core test program of the mutated file's folder, if there is one."""
        folder = Path(m.file).parent.name
        program = OWN_PROGRAM.get(folder, f"test_{folder}")
        return self.unit(m, [program]) if program in self.programs else None

    def unit(self, m=None, programs=None):
        """Runs the core test programs; returns the first failure, or None."""
        programs = programs or self.programs
        ok, out = self.build_targets(programs)
        if not ok:
            return "build", out
        for program in programs:
            status, out = run([str(self.build / "bin" / program), "--gtest_brief=1"],
                              timeout=UNIT_TIMEOUT, cwd=self.build / "bin")
            if status != 0:
                failed = re.findall(r"\[  FAILED  \] (\S+\.\S+)", out)
                what = failed[0] if failed else f"exit {status}"
                return "killed", f"unit: {program} {what}"
        return None

    def match(self, m=None):
        """Runs whole matches: the golden traces, the soak and the end-to-end tests."""
        ok, out = self.build_targets(["gallowby-replay", "gallowby-soak", "test_e2e"])
        if not ok:
            return "build", out
        status, out = run(["ctest", "--test-dir", str(self.build), "-R", "^(golden_|soak_)",
                           "-j", self.jobs, "--timeout", str(SUITE_TIMEOUT)])
        if status != 0:
            failed = re.findall(r"^\s*\d+ - (\S+) \((?!Not Run|Disabled|Skipped)[^)]*\)", out, re.M)
            return "killed", "match: " + (", ".join(failed[:3]) or f"ctest exit {status}")
        status, out = run([str(self.build / "bin" / "test_e2e"), "--gtest_brief=1"],
                          timeout=SUITE_TIMEOUT, cwd=self.build / "bin")
        if status != 0:
            failed = re.findall(r"\[  FAILED  \] (\S+\.\S+)", out)
            return "killed", "match: test_e2e " + (failed[0] if failed else f"exit {status}")
        return None

    def suite(self, m=None):
        ok, out = self.build_targets()
        if not ok:
            return "build", out
        # Not the layout check: a planted line is seldom laid out as clang-format would.
        status, out = run(["ctest", "--test-dir", str(self.build), "-LE", "bench|package",
                           "-E", "^clang_format$", "-j", self.jobs, "--timeout", str(SUITE_TIMEOUT)])
        if status == 0:
            return None
        # Every failing test, from ctest's closing list: "  276 - soak_400_matches (Failed)".
        failed = re.findall(r"^\s*\d+ - (\S+) \((?!Not Run|Disabled|Skipped)[^)]*\)", out, re.M)
        shown = ", ".join(failed[:3]) + (f" and {len(failed) - 3} more" if len(failed) > 3 else "")
        return "killed", "suite: " + (shown or f"ctest exit {status}")

    def try_mutant(self, m):
        for step in (self.own, self.unit, self.match, self.suite):
            outcome = step(m)
            if outcome is None:
                continue
            kind, detail = outcome
            if kind == "build":
                lines = [l for l in detail.splitlines() if "error" in l]
                return "BROKEN", (lines[0] if lines else "build failed")[:160]
            return "KILLED", detail
        return "SURVIVED", ""


def git_status(paths):
    status, out = run(["git", "status", "--porcelain", "--", *paths])
    return out if status == 0 else None


def plant_and_test(runner, m):
    path = ROOT / m.file
    original = path.read_bytes()
    text = original.decode()
    try:
        path.write_text(text.replace(m.find, m.into, 1))
        return runner.try_mutant(m)
    finally:
        path.write_bytes(original)
        os.utime(path)  # newer than the mutant's objects, so the next build recompiles it


def report(mutants, skipped, broken, title):
    tried = [m for m in mutants if m.status in ("KILLED", "SURVIVED")]
    killed = [m for m in tried if m.status == "KILLED"]
    survived = [m for m in tried if m.status == "SURVIVED"]
    lines = [title, ""]
    width = max((len(m.id) for m in mutants + skipped), default=10)
    for m in mutants:
        lines.append(f"{m.status:<9} {m.id:<{width}}  {m.why}")
        if m.detail:
            lines.append(f"{'':<9} {'':<{width}}  -> {m.detail}")
    rate = 100.0 * len(killed) / len(tried) if tried else 0.0
    lines += ["", f"Mutants tried: {len(tried)}  killed: {len(killed)}  survived: {len(survived)}"
              f"  kill rate: {rate:.1f} %"]
    if broken:
        lines.append(f"Mutants that did not build (not counted): {', '.join(m.id for m in broken)}")
    if survived:
        lines.append("Survivors: " + ", ".join(m.id for m in survived))
    lines += ["", f"Equivalent mutants skipped: {len(skipped)}"]
    for m in skipped:
        lines.append(f"  {m.id:<{width}}  {m.why}")
        lines.append(f"  {'':<{width}}  equivalent: {m.equivalent}")
    return "\n".join(lines) + "\n"


def interrupted(signum, frame):
    raise KeyboardInterrupt  # unwinds through plant_and_test, which puts the file back


def select(mutants, only, files):
    chosen = mutants
    if only:
        chosen = [m for m in chosen if any(fnmatch.fnmatch(m.id, pattern) for pattern in only)]
    if files:
        chosen = [m for m in chosen if any(f in m.file for f in files)]
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the mutants and stop")
    parser.add_argument("--only", nargs="+", metavar="ID", help="mutant ids or shell patterns")
    parser.add_argument("--file", nargs="+", metavar="PART", help="mutants of files matching")
    parser.add_argument("--build", default=str(ROOT / "build"), help="build directory")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build and test jobs")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip checking that the unmutated suite passes")
    args = parser.parse_args()

    mutants = parse_mutants(MUTANTS)
    check_mutants(mutants)
    chosen = select(mutants, args.only, args.file)
    live = [m for m in chosen if not m.equivalent]
    skipped = [m for m in chosen if m.equivalent]
    if args.list:
        for m in chosen:
            mark = "equivalent" if m.equivalent else "mutant"
            print(f"{mark:<10} {m.id:<40} {m.file}\n{'':<10} {m.why}")
            if m.equivalent:
                print(f"{'':<10} equivalent: {m.equivalent}")
        print(f"\n{len(live)} mutants, {len(skipped)} equivalents")
        return 0
    if not Path(args.build, "CMakeCache.txt").is_file():
        sys.exit(f"no build in {args.build}: configure it first")

    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")  # the end-to-end tests run headless
    os.nice(19)  # the machine is shared: build and test at the lowest priority
    signal.signal(signal.SIGTERM, interrupted)
    # A compiler cache can hand back the object of the file as it was: a
    # planted fault then never reaches the program and seems to survive.
    os.environ["CCACHE_DISABLE"] = "1"
    files = sorted({m.file for m in live})
    before = git_status(files)
    if before:
        sys.exit(f"uncommitted changes in files to mutate:\n{before}")
    runner = Runner(args.build, args.jobs)
    if not args.no_baseline:
        print("baseline: the unmutated build must pass", flush=True)
        for step in (runner.unit, runner.suite):
            outcome = step()
            if outcome is not None:
                sys.exit(f"baseline fails: {outcome[0]}: {outcome[1][-2000:]}")

    started = time.time()
    broken = []
    try:
        for number, m in enumerate(live, 1):
            t0 = time.time()
            m.status, m.detail = plant_and_test(runner, m)
            m.seconds = time.time() - t0
            if m.status == "BROKEN":
                broken.append(m)
            print(f"[{number:3}/{len(live)}] {m.status:<9} {m.id}  ({m.seconds:.0f} s) {m.detail}",
                  flush=True)
    except KeyboardInterrupt:
        print("\ninterrupted: the mutated file has been put back", flush=True)
    finally:
        after = git_status(files)
        if after:
            print(f"WARNING: files differ from git after the run:\n{after}", file=sys.stderr)
        else:
            print("git: every mutated file is back as committed", flush=True)

    whole = not (args.only or args.file) and all(m.status for m in live)
    minutes = (time.time() - started) / 60
    title = (f"Mutation testing of the game core, {time.strftime('%Y-%m-%d %H:%M')}, "
             f"{minutes:.0f} min" + ("" if whole else " (a subset or an interrupted run)"))
    text = report([m for m in live if m.status], skipped, broken, title)
    print("\n" + text)
    (FULL_RESULT if whole else SUBSET_RESULT).write_text(text)
    survivors = [m for m in live if m.status == "SURVIVED"]
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
