#!/usr/bin/env bash
# Runs a libFuzzer target for a number of seconds, seeded with the bundled
# examples. The corpus grows in a temporary folder so examples/ stays as it is;
# crashing inputs are kept in build-fuzz/artifacts/.
set -euo pipefail

fuzzer=${1:?usage: fuzz.sh FUZZER SECONDS}
seconds=${2:?usage: fuzz.sh FUZZER SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
artifacts="$root/build-fuzz/artifacts"

corpus=$(mktemp -d "${TMPDIR:-/tmp}/kelp-fuzz.XXXXXX")
trap 'rm -rf "$corpus"' EXIT
shopt -s nullglob
seeds=("$root"/examples/*.klp)
((${#seeds[@]})) && cp "${seeds[@]}" "$corpus/"
mkdir -p "$artifacts"

"$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus"
