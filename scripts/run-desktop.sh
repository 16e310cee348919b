#!/usr/bin/env bash
# Starts the desktop program with the bundled example loaded into the form.
# Without a display it says so and shows what kelp-cli gives for the example.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BUILD:-build}
EXAMPLE=${EXAMPLE:-examples/double_box_jump_in_barrel.klp}
KELP=$BUILD/kelp
CLI=$BUILD/cli/kelp-cli

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  if [[ ! -x $KELP ]]; then
    echo "$KELP is not built (Qt 6 missing?)" >&2
    exit 1
  fi
  exec "$KELP" "$EXAMPLE"
fi

echo "No display: showing what kelp-cli gives for the example"
"$CLI" design "$EXAMPLE"
"$CLI" range "$EXAMPLE"
