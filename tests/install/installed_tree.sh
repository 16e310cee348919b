#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there: the
# programs and their data and nothing else, programs that run from there, a
# desktop entry, MIME type and icon that name each other, and a kelp-cli
# manual page that keeps up with the program.
#
#   installed_tree.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail

build=$1 source=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed" >&2; exit 1; }
cd "$prefix" || exit 1

expected=$(
  printf '%s\n' bin/kelp bin/kelp-cli share/applications/kelp.desktop \
    share/icons/hicolor/scalable/apps/kelp.svg share/mime/packages/kelp.xml \
    share/man/man1/kelp.1.gz share/man/man1/kelp-cli.1.gz
  for example in "$source"/examples/*.klp; do echo "share/kelp/examples/${example##*/}"; done
)
actual=$(find . -type f -o -type l | sed 's|^\./||')
diff <(sort <<<"$expected") <(sort <<<"$actual") >&2 || fail "installed files differ (< expected, > installed)"

# The programs run from the prefix alone: the version, and a rating table of
# an installed example identical to the build tree's.
[[ $(bin/kelp-cli --version) == "kelp-cli $version" ]] || fail "kelp-cli --version"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY bin/kelp --version) == "kelp $version" ]] || fail "kelp --version"
example=$(ls share/kelp/examples/*.klp | head -n 1)
installed_table=$(bin/kelp-cli range "$example") || fail "installed kelp-cli range $example"
[[ $installed_table == "$("$build"/cli/kelp-cli range "$source/examples/${example##*/}")" ]] ||
  fail "installed kelp-cli range differs from the build's"

# The desktop entry starts an installed program on a project of the MIME type
# that globs *.klp, with an installed icon.
entry=share/applications/kelp.desktop
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' share/mime/packages/kelp.xml)
grep -q '<glob pattern="\*\.klp"/>' share/mime/packages/kelp.xml || fail "MIME type does not glob *.klp"
grep -qx "MimeType=$mime_type;" "$entry" || fail "desktop entry MimeType is not $mime_type"
grep -qx 'Exec=kelp %f' "$entry" || fail "desktop entry does not start kelp on a file"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -n $icon && -f share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "desktop entry icon '$icon' not installed"

# Every command and option kelp-cli accepts, and every exit status the README
# lists, appears in its manual page.
page=$(gzip -dc share/man/man1/kelp-cli.1.gz)
options() { bin/kelp-cli "$@" --help | grep -oE '^  -[^ ]+' | tr ',' '\n' | sed 's/^ *//'; }
# A man page writes -j as \-j, and \-j must not be the start of \-\-jobs.
documented() { grep -qE -- "(^|[^-])${1//-/\\\\-}([^a-z-]|$)" <<<"$page"; }
commands=$(bin/kelp-cli --help | sed -n '/^Subcommands:/,$s/^  \([a-z0-9]*\) .*/\1/p')
[[ -n $commands ]] || fail "no commands found in kelp-cli --help"
for command in $commands; do
  grep -qx "\.B kelp-cli $command" <<<"$page" || fail "manual page lacks the command $command"
  for option in $(options "$command"); do
    documented "$option" || fail "manual page lacks $command $option"
  done
done
for option in $(options); do documented "$option" || fail "manual page lacks $option"; done
while IFS='|' read -r _ code meaning _; do
  code=${code// /} meaning=$(sed 's/^ *//; s/ *$//' <<<"$meaning")
  grep -A1 -x "\.B $code" <<<"$page" | grep -qxF "$meaning" || fail "manual page lacks exit status $code"
done < <(grep -E '^\| [0-9]+ \|' "$source/README.md")

exit $((failures > 0))
