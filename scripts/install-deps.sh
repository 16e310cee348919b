#!/usr/bin/env bash
# Installs the Debian packages KELP needs to build and test. Installs only
# what is missing, so a second run costs a few dpkg queries and nothing else.
set -euo pipefail

packages=(
  build-essential cmake g++
  clang-14 libclang-rt-14-dev   # libFuzzer and the sanitizer runtimes
  libgtest-dev libgmock-dev
  libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  poppler-utils
  qt6-base-dev
  fonts-dejavu-core             # the pictures' and printed pages' typeface
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if ((EUID != 0)); then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# Wait for another apt run rather than failing on its lock.
apt_opts=(-o DPkg::Lock::Timeout=600 -y -q)
apt-get "${apt_opts[@]}" update
apt-get "${apt_opts[@]}" install --no-install-recommends "${missing[@]}"
