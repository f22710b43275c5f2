#!/bin/sh
# The README's two commands in either order on one clone: scripts/run.sh's
# configure step, then scripts/test.sh's, then run.sh's again. After test.sh
# ctest finds the tests; after run.sh the build is the program alone, whatever
# ran before. Only the configure steps run (--configure-only), not the builds.
# Usage: scripts_test.sh <source folder>
set -eu
source=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A clone of the tree as it stands (new files included, build folders not).
clone=$tmp/clone
mkdir "$clone"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - --no-recursion) |
        tar -xf - -C "$clone"
else
    (cd "$source" && tar -cf - --exclude='./build*' .) | tar -xf - -C "$clone"
fi
[ -x "$clone/scripts/run.sh" ] || fail "the clone has no scripts/run.sh"

cached() { sed -n "s/^$1:[A-Z]*=//p" "$clone/build/CMakeCache.txt"; }
tests_found() { ctest --test-dir "$clone/$1" -N | sed -n 's/^Total Tests: //p'; }

"$clone/scripts/run.sh" --configure-only || fail "run.sh's configure step failed"
[ "$(cached VINTARO_TESTS)" = OFF ] || fail "run.sh configured the tests"

"$clone/scripts/test.sh" --configure-only || fail "test.sh's configure step failed after run.sh"
for folder in build build-asan; do
    found=$(tests_found "$folder")
    [ "${found:-0}" -gt 0 ] || fail "test.sh after run.sh finds no tests in $folder"
    ctest --test-dir "$clone/$folder" -N | grep -q 'install_test' || fail "no install_test in $folder"
done
[ "$(cached VINTARO_BENCH)" = ON ] || fail "test.sh left the benchmarks off"

"$clone/scripts/run.sh" --configure-only || fail "run.sh's configure step failed after test.sh"
[ "$(cached VINTARO_TESTS)" = OFF ] || fail "run.sh after test.sh kept the tests"
[ "$(cached CMAKE_BUILD_TYPE)" = Release ] || fail "run.sh after test.sh builds $(cached CMAKE_BUILD_TYPE)"
# A user who is neither root nor able to sudo is told what to install.
if [ "$(id -u)" -eq 0 ] && ! command -v sudo >/dev/null && command -v setpriv >/dev/null; then
    sed 's/xdg-utils"/xdg-utils no-such-package-vintaro"/' "$clone/scripts/install-deps.sh" >"$tmp/deps.sh"
    chmod 755 "$tmp" "$tmp/deps.sh"
    set +e
    said=$(setpriv --reuid=65534 --regid=65534 --clear-groups sh "$tmp/deps.sh" build 2>&1)
    code=$?
    set -e
    [ "$code" -eq 1 ] || fail "without root and sudo install-deps.sh exits $code"
    case $said in *"apt-get install no-such-package-vintaro"*) ;; *) fail "install-deps.sh says: $said" ;; esac
    case $said in *"sudo: not found"*) fail "install-deps.sh tried sudo" ;; esac
fi
echo "run.sh, test.sh, run.sh: each configured what it needs ($found tests found)"
