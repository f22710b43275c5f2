#!/bin/sh
# Installs the Debian packages that one use of Vintaro needs, and nothing that
# is already there:
#   scripts/install-deps.sh [build] [tests] [packaging]
#     build       building and running the program (the default)
#     tests       the tests, sanitizers, benchmarks and fuzzing
#     packaging   building and checking the Debian package
# Without root and without sudo it names what is missing and stops (exit 1).
set -eu

# Building and running: the compiler and Qt, the libraries the program links,
# and what the program uses at run time (its font, Qt's own Hungarian
# texts, xdg-open for the manual); lupdate and lrelease with their CMake
# functions make the program's own translations; pandoc makes the manual's
# HTML pages and Vintaro.doc from docs/manual/.
BUILD_PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
libgl-dev libboost-math-dev qt6-charts-dev libqt6opengl6-dev libpcg-cpp-dev fonts-liberation2 qt6-translations-l10n
pandoc xdg-utils"
# The tests: GoogleTest, Google Benchmark, clang with its sanitizer runtimes
# (fuzzing), a virtual display with a window manager, screenshots and keys,
# and the checkers the install test runs.
TEST_PACKAGES="libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev xvfb xauth
imagemagick xdotool openbox x11-utils desktop-file-utils appstream git"
# The Debian package: its tools and checkers (hardening-check is in devscripts).
PACKAGING_PACKAGES="dpkg-dev file librsvg2-bin desktop-file-utils appstream lintian devscripts"

wanted=""
[ $# -gt 0 ] || set -- build
for list in "$@"; do
    case $list in
    build) wanted="$wanted $BUILD_PACKAGES" ;;
    tests) wanted="$wanted $TEST_PACKAGES" ;;
    packaging) wanted="$wanted $PACKAGING_PACKAGES" ;;
    *)
        echo "install-deps.sh: unknown list '$list' (build, tests or packaging)" >&2
        exit 2
        ;;
    esac
done

missing=""
for p in $wanted; do
    case " $missing " in *" $p "*) continue ;; esac
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -n "$missing" ] || exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        SUDO=sudo
    else
        cat >&2 <<EOF
These Debian packages are missing:$missing
You are not root and sudo is not installed, so they cannot be installed from here.
Ask an administrator to install them, or run as root:
    apt-get install$missing
then run this command again.
EOF
        exit 1
    fi
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
