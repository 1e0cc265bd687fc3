#!/bin/sh
# Runs the demo and checks that what it shows, after the banner and the empty
# lines before the first message, is the sample script to the byte.
#   check_demo.sh SCRIPT DEMO_COMMAND...
set -eu
script=$1
shift
shown=$("$@" | tail -n +5; echo x)
expected=$(cat "$script"; echo x)
if [ "$shown" != "$expected" ]; then
  echo "the demo shows:"
  printf '%s\n' "${shown%x}"
  exit 1
fi
