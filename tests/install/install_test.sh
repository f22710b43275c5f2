#!/bin/sh
# Installs the build into a temporary prefix and runs the installed program's
# command line with HOME and the XDG folders inside a temporary folder.
# Usage: install_test.sh <build folder>
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.vintaro.Vintaro
for f in bin/vintaro2011 \
         share/vintaro/piros.bmp share/vintaro/XX.BMP share/vintaro/parok.txt share/vintaro/katlo.txt \
         share/vintaro/natlo.txt share/vintaro/corner.txt share/vintaro/Vintaro.doc \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/128x128/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/man/man1/vintaro2011.1.gz share/man/hu/man1/vintaro2011.1.gz share/doc/vintaro/copyright share/doc-base/vintaro.vintaro \
         share/locale/en/LC_MESSAGES/vintaro.qm \
         share/doc/vintaro/html/hu/index.html share/doc/vintaro/html/en/index.html \
         share/doc/vintaro/html/images/form1.png; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/vintaro2011" ] || fail "bin/vintaro2011 is not executable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
fi

# The manual page in both languages, with the name line whatis reads.
if command -v lexgrog >/dev/null; then
    for page in share/man/man1 share/man/hu/man1; do
        lexgrog "$prefix/$page/vintaro2011.1.gz" >/dev/null || fail "$page: no whatis entry"
    done
fi

program=$prefix/bin/vintaro2011
out=$("$program" --version) || fail "--version exit $?"
[ "$out" = "vintaro2011 1.0" ] || fail "--version says: $out"
out=$("$program" --help) || fail "--help exit $?"
case $out in *--data-dir*) ;; *) fail "--help does not tell --data-dir: $out" ;; esac
out=$("$program" --language en --help) || fail "--language en --help exit $?"
case $out in "Usage: vintaro2011"*) ;; *) fail "--language en --help says: $out" ;; esac
# The project's address, set once in the build, in every place that names it.
home=$(sed -n 's/^VINTARO_HOMEPAGE:STRING=//p' "$build/CMakeCache.txt")
case $out in *"$home/issues"*) ;; *) fail "--help does not name $home/issues" ;; esac
grep -q "<url type=\"homepage\">$home</url>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo homepage"
gzip -dc "$prefix/share/man/man1/vintaro2011.1.gz" | grep -q "$home/issues" || fail "man page address"

set +e
err=$("$program" --no-such-option 2>&1 >/dev/null)
code=$?
set -e
[ "$code" -eq 2 ] || fail "an unknown option exits with $code, not 2"
case $err in *no-such-option*) ;; *) fail "an unknown option says: $err" ;; esac

# Asking for help or the version writes nothing anywhere.
[ -z "$(find "$HOME" -mindepth 1 -not -type d)" ] || fail "files appeared under HOME"

# Started for real (offscreen), the installed program makes the user's data
# folder for its lists and writes nothing under the prefix.
before=$(cd "$prefix" && find . | sort)
set +e
timeout 2 "$program" >/dev/null 2>&1
code=$?
set -e
[ "$code" -eq 124 ] || fail "the program ended by itself with $code"
[ -d "$XDG_DATA_HOME/vintaro" ] || fail "no lists folder in $XDG_DATA_HOME"
[ "$(cd "$prefix" && find . | sort)" = "$before" ] || fail "the program wrote under the prefix"
timeout 2 "$program" --data-dir "$tmp/lists" >/dev/null 2>&1 || true
[ -d "$tmp/lists" ] || fail "--data-dir did not make its folder"
echo "installed and answered as expected"
