#!/usr/bin/env bash
# How the project configures for someone else's build, one case a run:
#
#   check-build-options.sh release-defaults <source dir> <work dir>
#   check-build-options.sh debian-flags     <source dir> <work dir>
#   check-build-options.sh werror           <source dir> <work dir>
#
# Configures only (a full build is too dear for every test run) and reads the
# compile commands. A packager's build, with defaults or Debian's flags, must not
# turn warnings into errors: a compiler we never tried may warn where ours does
# not. DESKLET_WERROR=ON must.
# Exit 0: passed; 1: failed; 77: skipped because a tool is missing.
set -euo pipefail

case_name=$1
source_dir=$2
work_dir=$3

fail() {
    echo "FAIL: $*"
    exit 1
}

build_dir="$work_dir/$case_name"
rm -rf "$build_dir"
mkdir -p "$work_dir"
trap 'rm -rf "$build_dir"' EXIT

options=(-DCMAKE_BUILD_TYPE=Release)
case "$case_name" in
release-defaults) ;;
debian-flags)
    command -v dpkg-buildflags >/dev/null 2>&1 || { echo "SKIP: dpkg-buildflags is not installed (dpkg-dev)"; exit 77; }
    # As Debian's packaging helpers configure: CMake reads no CPPFLAGS, so they
    # travel in CXXFLAGS, and the build type is None, so only these flags apply.
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
    export CXXFLAGS LDFLAGS
    options=(-DCMAKE_BUILD_TYPE=None)
    ;;
werror) options+=(-DDESKLET_WERROR=ON) ;;
*) fail "unknown case $case_name" ;;
esac

cmake -S "$source_dir" -B "$build_dir" -G Ninja "${options[@]}" >"$build_dir.log" 2>&1 ||
    { cat "$build_dir.log"; rm -f "$build_dir.log"; fail "configure failed"; }
rm -f "$build_dir.log"

commands="$build_dir/compile_commands.json"
[ -s "$commands" ] || fail "no compile commands in $build_dir"
grep -q 'tests/fax/FaxCommandTest.cpp' "$commands" || fail "the tests are not built by default"
# A bare -Werror, not Debian's -Werror=format-security.
werror=$(grep -cE -- '-Werror( |")' "$commands" || true)
case "$case_name" in
werror) [ "$werror" -gt 0 ] || fail "DESKLET_WERROR=ON does not make warnings errors" ;;
*) [ "$werror" -eq 0 ] || fail "$werror compile commands make warnings errors" ;;
esac
if [ "$case_name" = debian-flags ]; then
    grep -q -- '-D_FORTIFY_SOURCE=2' "$commands" || fail "Debian's flags did not reach the compiler"
fi
echo "passed"
