#!/usr/bin/env bash
# Command-line options of the desktop program: --help and --version answer
# on standard output and exit 0 with no display at all; the help and the
# manual page (second argument) say that pictures are saved.
set -u
prog="$1"
manpage="$2"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; fail=1; fi; }
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" "$@" </dev/null; }

help=$(nodisplay --help); rc=$?
check "--help exits 0 without a display" '[ $rc -eq 0 ]'
check "--help starts with its usage" '[[ "$help" == "Usage: velsira "* ]]'
check "--help says pictures are saved" 'printf "%s" "$help" | grep -q "PNG or SVG"'
version=$(nodisplay --version); rc=$?
check "--version exits 0 without a display" '[ $rc -eq 0 ]'
check "--version prints the version" '[[ "$version" =~ ^velsira\ [0-9]+\.[0-9]+$ ]]'
check "the manual page says pictures are saved" 'grep -q "PNG" "$manpage" && ! grep -q "writes no files" "$manpage"'
check "the manual page names the options" 'grep -qF -- "\\-\\-help" "$manpage" && grep -qF -- "\\-\\-version" "$manpage"'

[ $fail -eq 0 ] && echo "velsira options: all checks passed"
exit $fail
