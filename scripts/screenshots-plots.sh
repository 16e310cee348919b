#!/usr/bin/env bash
# Pictures of the drawings and the printed pages for a person to look at:
# the water-surface profile and the three rating curves as drawn by kelp-cli,
# and each page of the printed report as a PNG.
#
#   scripts/screenshots-plots.sh [KELP_CLI] [PROJECT.klp] [OUTPUT_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/cli/kelp-cli}
project=${2:-$root/examples/double_box_jump_in_barrel.klp}
out=${3:-$root/build/screenshots}

command -v pdftoppm >/dev/null || { echo "pdftoppm (poppler-utils) is needed" >&2; exit 1; }
mkdir -p "$out"

"$cli" plot "$project" --profile "$out/plot_profile.png"
for curve in hw depth velocity; do
  "$cli" plot "$project" --rating "$curve" "$out/plot_rating_$curve.png"
done

"$cli" report "$project" --pdf "$out/report.pdf"
rm -f "$out"/page-*.png
pdftoppm -png -r 60 "$out/report.pdf" "$out/page"

ls "$out"/plot_*.png "$out"/page-*.png
