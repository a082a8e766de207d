#!/usr/bin/env bash
# The include-order check fails on the tree under tests/include_order, naming
# exactly its two wrong includes, and passes on the program's own folders.
set -uo pipefail
check="$1"
here="$(cd "$(dirname "$0")" && pwd)"
output="$("$check" "$here/include_order" 2>&1)"
rc=$?
expected="engine/Wrong.h:8: includes model/Form1.h from a folder above its own
app/Wrong.cpp:3: includes batch/BatchSession.h from a folder above its own"
if [ "$rc" -ne 1 ] || [ "$output" != "$expected" ]; then
  echo "wrong includes not caught (exit $rc):"
  echo "$output"
  exit 1
fi
"$check" "$here/.."
