#!/bin/sh
# check_quiet.sh DEBIAN-PACKAGE CHECKER ARGS...
# Runs a checker (a validator, a formatter with its warnings on) and passes
# only if it succeeds and says nothing at all: a warning fails the test as
# surely as an error. A checker that prints a success line is asked for its
# machine format instead, empty when there is nothing to report: a success
# line comes in the desktop's language and is no sure thing to read. A checker
# not installed here skips the test with exit status 77, naming the package
# that brings it.
package=$1
checker=$2
shift 2
if ! command -v "$checker" >/dev/null 2>&1; then
  echo "SKIPPED: $checker is not installed (Debian package $package; scripts/setup.sh installs it)"
  exit 77
fi
output=$("$checker" "$@" 2>&1)
status=$?
if [ "$status" -ne 0 ] || [ -n "$output" ]; then
  printf '%s\n' "$output"
  echo "FAILED: $checker exited with status $status and said the above"
  exit 1
fi
echo "$checker: no warning"
