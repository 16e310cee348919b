#!/usr/bin/env bash
# The golden outputs of kelp-cli for one project: design and range as text
# and JSON, each in English and metric units, the HY-8 files and the text of
# the printed report in both unit systems. A run that fails or writes to
# standard error leaves NAME.exit: its exit status, then what it wrote there.
#
#   golden.sh write CLI PROJECT DIR   records the outputs into DIR
#   golden.sh check CLI PROJECT DIR   compares them byte for byte with DIR
#   golden.sh projects ROOT           lists "SET PROJECT" for every project
set -u

# The outputs carry the date: every run sees the same day, 2024-05-01.
export SOURCE_DATE_EPOCH=1714521600

projects() {
    local root=$1 set dir project
    for set in examples:examples reference:tests/data/reference corpus:tests/data/golden/projects; do
        dir=$root/${set#*:}
        for project in "$dir"/*.klp; do
            [ -e "$project" ] && echo "${set%%:*} $project"
        done
    done
}

# Runs kelp-cli without a display; stdout goes to OUT/NAME unless empty.
run() {
    local name=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" "$@" \
        >"$out/$name" 2>"$work/stderr" </dev/null || status=$?
    [ -s "$out/$name" ] || rm -f "$out/$name"
    if [ "$status" -ne 0 ] || [ -s "$work/stderr" ]; then
        { echo "exit $status"; cat "$work/stderr"; } >"$out/$name.exit"
    fi
    return "$status"
}

write_outputs() {
    local command units
    mkdir -p "$out"
    for command in design range; do
        for units in "" -metric; do
            run "$command$units.txt" "$command" "$project" ${units:+--metric}
            run "$command$units.json" "$command" "$project" --json ${units:+--metric}
        done
    done
    if run hy8 hy8 "$project" --name GOLDEN --dir "$work"; then
        mv "$work/GOLDEN.INP" "$out/hy8.INP"
        mv "$work/GOLDEN.PC" "$out/hy8.PC"
    fi
    for units in "" -metric; do
        if run "report$units" report "$project" --pdf "$work/report.pdf" ${units:+--metric}; then
            pdftotext -layout "$work/report.pdf" "$out/report$units.txt"
        fi
    done
}

# The files that differ, and the start of the difference of the first few.
compare() {
    local expected=$1 differing file shown=0
    differing=$(diff -rq "$expected" "$out") && return 0
    echo "kelp-cli's outputs for $project differ from $expected:"
    echo "$differing"
    while read -r file; do
        [ "$shown" -lt 3 ] || break
        shown=$((shown + 1))
        echo
        diff -u --label "recorded $file" --label "now $file" "$expected/$file" "$out/$file" |
            head -n 40
    done < <(sed -n 's|^Files .*/\([^/]*\) and .* differ$|\1|p' <<<"$differing")
    echo
    echo "If the change is intended, record the outputs again: scripts/record-golden.sh"
    return 1
}

absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }

mode=${1:-}
case $mode in
projects)
    projects "$2"
    exit 0
    ;;
write | check)
    [ $# -eq 4 ] || { echo "usage: golden.sh write|check CLI PROJECT DIR" >&2; exit 64; }
    cli=$(absolute "$2") project=$3 target=$(absolute "$4")
    ;;
*)
    echo "usage: golden.sh write|check CLI PROJECT DIR | projects ROOT" >&2
    exit 64
    ;;
esac
command -v pdftotext >/dev/null || { echo "pdftotext (poppler-utils) is missing" >&2; exit 1; }
[ -f "$project" ] || { echo "no project $project" >&2; exit 1; }
# Messages name the project as given: run beside it, so they name it alone.
cd "$(dirname "$project")" || exit 1
project=$(basename "$project")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt wants a private runtime folder; without one it complains on stderr.
export XDG_RUNTIME_DIR=$work
if [ "$mode" = write ]; then
    out=$target
    rm -rf "$out"
    write_outputs
else
    [ -d "$target" ] || { echo "no recorded outputs at $target: run scripts/record-golden.sh" >&2; exit 1; }
    out=$work/actual
    write_outputs
    compare "$target"
fi
