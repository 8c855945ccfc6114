#!/bin/sh
# Runs every key script of a log (calculator/tests/KeyScriptLog.h) through two builds of
# solvanex-cli, one key per line on standard input, and fails unless both give the same standard
# output, standard error and exit status, byte for byte.
#   compare-with-reference.sh LOG REFERENCE_CLI CLI [RUNNER]
# RUNNER, when given, runs CLI (wine for a Windows build).
set -u
log=$1 reference=$2 cli=$3
shift 3
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
if [ ! -s "$log" ]; then
  echo "no key scripts in $log" >&2
  exit 1
fi
sort -u "$log" >"$work/scripts"
scripts=0 differing=0 unreadable=0 restarted=0
tab=$(printf '\t')
while IFS= read -r line; do
  case $line in
    '#'*)
      unreadable=$((unreadable + 1))
      echo "cannot be given on standard input: $line" >&2
      continue
      ;;
  esac
  scripts=$((scripts + 1))
  keys=${line#?}
  separator=${line%"$keys"}
  if [ -n "$keys" ]; then
    printf '%s\n' "${keys#"$tab"}" | tr "$tab" '\n' >"$work/in"
  else
    : >"$work/in"
  fi
  "$reference" --separator="$separator" <"$work/in" >"$work/reference.out" 2>"$work/reference.err"
  echo $? >>"$work/reference.out"
  "$@" "$cli" --separator="$separator" <"$work/in" >"$work/cli.out" 2>"$work/cli.err"
  status=$?
  if [ -n "$*" ] && [ "$status" -ne 0 ] && [ ! -s "$work/cli.out" ] && [ ! -s "$work/cli.err" ]; then
    # Under Wine, on a loaded machine, a program now and then fails to start: no output at all
    # and a failure status. The runner always prints something before it fails, so such a run
    # is the start that failed, and is run once more; a second failure is reported below.
    echo "the runner gave no output and status $status, run again:" \
      "$(tr '\n' ' ' <"$work/in")" >&2
    restarted=$((restarted + 1))
    "$@" "$cli" --separator="$separator" <"$work/in" >"$work/cli.out" 2>"$work/cli.err"
    status=$?
  fi
  echo "$status" >>"$work/cli.out"
  if ! cmp -s "$work/reference.out" "$work/cli.out" || ! cmp -s "$work/reference.err" "$work/cli.err"; then
    differing=$((differing + 1))
    echo "differs: separator '$separator', keys: $(tr '\n' ' ' <"$work/in")" >&2
    diff "$work/reference.out" "$work/cli.out" | head -n 20 >&2
    diff "$work/reference.err" "$work/cli.err" | head -n 20 >&2
  fi
done <"$work/scripts"
echo "$scripts key scripts compared: $differing differ, $unreadable not comparable," \
  "$restarted run again after a failed start"
[ "$differing" -eq 0 ] && [ "$unreadable" -eq 0 ]
