#!/usr/bin/env bash
# Command-line options of velsira-batch: --help and --version answer on
# standard output and exit 0; anything else is one line on standard error
# and exit 2; without options it still answers requests. The help and the
# manual page (second argument) name every request and response field.
set -u
prog="$1"
manpage="$2"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; fail=1; fi; }

help=$("$prog" --help); rc=$?
check "--help exits 0" '[ $rc -eq 0 ]'
check "--help fits a screen" '[ $(printf "%s\n" "$help" | wc -l) -le 30 ]'
for op in derive integrate calc at quadratic roots limit delta-epsilon plot clear hint insert reset; do
  check "--help names op $op" 'printf "%s" "$help" | grep -qw -- "$op"'
done
for field in input selection unit edit answers text trace notation simplify result display charset messages error error_tr \
    windows progress worklists converted simplified plain check points axes; do
  check "--help names field $field" 'printf "%s" "$help" | grep -qw -- "$field"'
  check "the manual page has an entry for field $field" 'grep -qx -- ".B $field" "$manpage"'
done
check "--help has an example" 'printf "%s" "$help" | grep -q "echo .*velsira-batch"'

version=$("$prog" --version); rc=$?
check "--version exits 0" '[ $rc -eq 0 ]'
check "--version prints the version" '[[ "$version" =~ ^velsira-batch\ [0-9]+\.[0-9]+ ]]'

for bad in --bogus -x extra "--help --bogus"; do
  # shellcheck disable=SC2086
  out=$("$prog" $bad 2>/tmp/velsira-options-$$ </dev/null); rc=$?
  err=$(cat /tmp/velsira-options-$$)
  check "'$bad' exits 2" '[ $rc -eq 2 ]'
  check "'$bad' prints nothing on standard output" '[ -z "$out" ]'
  check "'$bad' gives one error line" '[ $(printf "%s\n" "$err" | wc -l) -eq 1 ] && [[ "$err" == velsira-batch:* ]]'
done
rm -f /tmp/velsira-options-$$

answer=$(echo '{"op":"calc","input":"[(2)*Sin(30)]+[(3)]"}' | "$prog")
check "requests are still answered" '[[ "$answer" == *"\"result\":\"4\""* ]]'

[ $fail -eq 0 ] && echo "velsira-batch options: all checks passed"
exit $fail
