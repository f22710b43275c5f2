#!/bin/sh
# The Debian package as a maintainer checks it: its dependencies, Debian's
# hardening in the executable, lintian's notes against the README's list, and
# the same bytes from a second packaging of the same build.
# Usage: package_test.sh <package.deb> <build folder>   (run by scripts/package.sh)
set -eu
deb=$1
build=$2
readme=$(dirname "$0")/../../README.md
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The font the layout is measured in and Qt's Hungarian texts are needed;
# xdg-open for the manual is recommended.
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-liberation2 qt6-translations-l10n libqt6widgets6; do
    case ", $depends," in *", $package"[\ ,]*) ;; *) fail "Depends does not name $package: $depends" ;; esac
done
case "$(dpkg-deb -f "$deb" Recommends)" in *xdg-utils*) ;; *) fail "xdg-utils is not recommended" ;; esac
# A word processor for the RTF manual is suggested; the project's address is the homepage.
case "$(dpkg-deb -f "$deb" Suggests)" in *libreoffice-writer*) ;; *) fail "no RTF viewer is suggested" ;; esac
case "$(dpkg-deb -f "$deb" Homepage)" in https://*) ;; *) fail "no Homepage" ;; esac

# Stack protector, _FORTIFY_SOURCE, RELRO, BIND_NOW, PIE. Not control-flow
# protection (CET): Debian 12's C start files (crt1.o) carry no IBT/SHSTK
# note, so no program linked on Debian 12 has it, whatever its flags.
dpkg-deb -x "$deb" "$tmp/root"
program=$tmp/root/usr/bin/vintaro2011
hardening-check --nocfprotection "$program" || fail "hardening-check"
readelf -d "$program" | grep -q 'BIND_NOW' || fail "no BIND_NOW"
readelf -lW "$program" | grep -q 'GNU_RELRO' || fail "no RELRO"
readelf -hW "$program" | grep -q 'DYN (Position-Independent' || fail "not PIE"

# lintian -I --pedantic reports exactly the tags the README lists and explains.
listed=$(sed -n '/^### Package checks/,/^## /s/^| `\([a-z0-9-]*\)[ `].*/\1/p' "$readme" | sort -u)
[ -n "$listed" ] || fail "the README lists no lintian tags"
reported=$(lintian -I --pedantic "$deb" 2>/dev/null | sed -n 's/^[EWIP]: [^ ]*: \([a-z0-9-]*\).*/\1/p' | sort -u)
[ "$reported" = "$listed" ] || fail "lintian's tags differ from the README's:
$(printf '%s\n' "$reported" >"$tmp/reported"; printf '%s\n' "$listed" >"$tmp/listed"; diff "$tmp/listed" "$tmp/reported" || true)"

# Packaged again a moment later: the same bytes.
cp "$deb" "$tmp/first.deb"
sleep 1
(cd "$build" && cpack -G DEB >/dev/null)
cmp "$tmp/first.deb" "$deb" || fail "a second packaging gives other bytes"
echo "package: dependencies, hardening, lintian's notes and reproducibility as expected"
