# The common part of the command-line checks: the program of a build, a work folder removed at the end,
# and the checks of one run. Sourced by each check with PROGRAM_DIR as $1.
#
# PROGRAM_DIR is the program folder of a build (build/gridmora); the sample crosswords are taken from it.

dir=${1:?usage: $(basename "$0") PROGRAM_DIR}
program="$dir/gridmora"
samples="$dir/Samples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# run EXPECTED_CODE ARGS...: runs the program without a display, keeps stderr in $work/err, checks the
# exit code.
run() {
    local expected=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>"$work/err"
    local code=$?
    if [ "$code" != "$expected" ]; then
        echo "FAIL: gridmora $* exited with $code, not $expected"
        cat "$work/err"
        fail=1
    fi
}
said() {
    grep -qF -- "$1" "$work/err" || { echo "FAIL: stderr lacks \"$1\":"; cat "$work/err"; fail=1; }
}
silent() {
    [ ! -s "$work/err" ] || { echo "FAIL: unexpected messages:"; cat "$work/err"; fail=1; }
}
exists() {
    [ -s "$1" ] || { echo "FAIL: $1 was not written"; fail=1; }
}
absent() {
    [ ! -e "$1" ] || { echo "FAIL: $1 should not have been written"; fail=1; }
}
