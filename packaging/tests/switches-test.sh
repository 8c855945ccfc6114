#!/usr/bin/env bash
# The conventional switches of both programs, run on the built files: --help and --version
# answer on standard output with status 0 (solvanex without opening its window, although a
# platform is configured), and output that cannot be written (/dev/full) ends with status 1 and
# a message on standard error, never with a success.
#
#   switches-test.sh SOLVANEX SOLVANEX_CLI VERSION
set -uo pipefail
solvanex=$1 cli=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# program | arguments | standard input | standard output (file or full) | status |
# extended regular expression that a line of standard output matches, then one for standard
# error (EMPTY: nothing may be written there)
cases=(
  "solvanex|--version||file|0|^Solvanex ${version//./\\.}$|EMPTY"
  "solvanex|--help||file|0|^  --version +affiche la version|EMPTY"
  "solvanex|-h||file|0|^Utilisation : solvanex |EMPTY"
  "solvanex|-debug --version||file|0|^Solvanex ${version//./\\.}$|EMPTY"
  "solvanex|--version||full|1|EMPTY|impossible d'écrire sur la sortie standard"
  "solvanex|--help||full|1|EMPTY|impossible d'écrire sur la sortie standard"
  "cli|--version||file|0|^solvanex-cli ${version//./\\.}$|EMPTY"
  "cli|--help||file|0|^usage: solvanex-cli |EMPTY"
  "cli|--version||full|1|EMPTY|cannot write standard output: No space left on device"
  "cli|--help||full|1|EMPTY|cannot write standard output: No space left on device"
  "cli|SpeedButton1||full|1|EMPTY|cannot write standard output: No space left on device"
  "cli||SpeedButton1\nSpeedButton2\n|full|1|EMPTY|cannot write standard output: No space left on device"
  "cli|SpeedButton1 Nothing||full|1|EMPTY|cannot write standard output: No space left on device"
  "cli|Nothing||full|2|EMPTY|unknown key 'Nothing'"
  "cli|--separator=. SpeedButton1||file|0|^\{\"key\": \"SpeedButton1\", \"display\": \"1\.\"|EMPTY"
)

matches() {
  if [[ $2 == EMPTY ]]; then [[ -z $1 ]]; else grep -qE -- "$2" <<<"$1"; fi
}

failures=0
for entry in "${cases[@]}"; do
  IFS='|' read -r program arguments input output status out_pattern err_pattern <<<"$entry"
  executable=$solvanex
  [[ $program == cli ]] && executable=$cli
  target=$scratch/out
  [[ $output == full ]] && target=/dev/full
  read -r -a words <<<"$arguments"
  printf "$input" >"$scratch/in"
  timeout 20 "$executable" "${words[@]}" <"$scratch/in" >"$target" 2>"$scratch/err"
  actual=$?
  out=""
  [[ $output == file ]] && out=$(cat "$scratch/out")
  err=$(cat "$scratch/err")
  name="$program $arguments (input '${input//\\n/ }', output $output)"
  if [[ $actual -ne $status ]]; then
    echo "FAIL: $name: status $actual, not $status; stderr: $err"
    failures=$((failures + 1))
  elif ! matches "$out" "$out_pattern"; then
    echo "FAIL: $name: standard output '$out' does not match $out_pattern"
    failures=$((failures + 1))
  elif ! matches "$err" "$err_pattern"; then
    echo "FAIL: $name: standard error '$err' does not match $err_pattern"
    failures=$((failures + 1))
  else
    echo "ok: $name"
  fi
done
echo "$failures failure(s) in ${#cases[@]} cases"
[[ $failures -eq 0 ]]
