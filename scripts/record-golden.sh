#!/usr/bin/env bash
# Records again the golden outputs that the golden.* tests compare with:
# builds kelp-cli in BUILD (default build/) and writes every output of every
# bundled example, reference project and golden project under
# tests/data/golden/expected/. Review the change with git diff before
# committing it.
#
#   scripts/record-golden.sh [BUILD]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
golden=$root/tests/golden/golden.sh
expected=$root/tests/data/golden/expected

cmake --build "$build" -j2 --target kelp-cli
cli=$build/cli/kelp-cli
rm -rf "$expected"
count=0
while read -r set project; do
    name=$(basename "$project" .klp)
    "$golden" write "$cli" "$project" "$expected/$set/$name"
    count=$((count + 1))
done < <("$golden" projects "$root")
echo "recorded the outputs of $count projects under ${expected#"$root"/}"
