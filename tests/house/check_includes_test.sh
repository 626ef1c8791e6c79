#!/bin/sh
# check-includes on its fixtures: the faulty tree fails with exactly the expected lines,
# the clean tree passes silently, and a root without sources fails rather than passing.
set -u
checker=$1
fixtures=$(dirname "$0")/includes
failed=0
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT

"$checker" "$fixtures/bad" > "$actual" 2>/dev/null
code=$?
if [ "$code" -ne 1 ]; then
  echo "faulty tree: exit status $code, expected 1"
  failed=1
fi
if ! diff -u "$fixtures/expected_bad.txt" "$actual"; then
  echo "faulty tree: messages differ from $fixtures/expected_bad.txt"
  failed=1
fi

output=$("$checker" "$fixtures/clean" 2>&1)
code=$?
if [ "$code" -ne 0 ] || [ -n "$output" ]; then
  echo "clean tree: exit status $code, expected 0 and no output; got:"
  echo "$output"
  failed=1
fi

"$checker" "$fixtures/clean/data/assets.h" > /dev/null 2>&1
code=$?
if [ "$code" -ne 2 ]; then
  echo "a file as root: exit status $code, expected 2"
  failed=1
fi
"$checker" "$fixtures/clean/data" > /dev/null 2>&1
code=$?
if [ "$code" -ne 2 ]; then
  echo "a root without checked folders: exit status $code, expected 2"
  failed=1
fi

exit $failed
