#!/bin/sh
# The English translation is complete: lupdate runs over the program's
# sources into a copy of each .ts file, as the update_translations target
# does, and no message may then be unfinished (a text new in the sources or
# not yet translated) or brought back from obsolete (a text used again whose
# old translation nobody checked). Obsolete messages the sources no longer
# use are only counted.
#   translations_test.sh LUPDATE SOURCES_LST INCLUDE_ROOT TRANSLATIONS_DIR
set -eu
lupdate=$1 sources=$2 root=$3 folder=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages of a .ts file whose translation has the type given, one
# a line: context, then source (its line breaks as \n).
typed() {
    awk -v type="$2" '
        /<name>/ { context = $0; gsub(/.*<name>|<\/name>.*/, "", context) }
        /<message/ { block = ""; inside = 1 }
        inside { block = block $0 "\\n" }
        /<\/message>/ {
            inside = 0
            if (block ~ ("type=\"" type "\"")) {
                sub(/.*<source>/, "", block); sub(/<\/source>.*/, "", block)
                print context ": " block
            }
        }' "$1" | sort
}

status=0
for ts in "$folder"/*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent -source-language hu_HU -locations none -I "$root" "@$sources" \
        -ts "$work/$name" >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
    unfinished=$(typed "$work/$name" unfinished)
    if [ -n "$unfinished" ]; then
        echo "$name: messages without a finished translation (build update_translations and translate them):"
        printf '%s\n' "$unfinished"
        status=1
    fi
    # Obsolete in the file, used in the sources: lupdate would revive the old
    # translation unchecked.
    revived=$( (typed "$ts" vanished; typed "$ts" obsolete) | sort >"$work/before"
              (typed "$work/$name" vanished; typed "$work/$name" obsolete) | sort >"$work/after"
              comm -23 "$work/before" "$work/after")
    if [ -n "$revived" ]; then
        echo "$name: messages marked obsolete that the sources use (check their translation and build update_translations):"
        printf '%s\n' "$revived"
        status=1
    fi
    obsolete=$(sort "$work/after" | grep -c . || true)
    total=$(grep -c '<message' "$work/$name" || true)
    echo "$name: $total messages, $obsolete no longer used"
done
exit $status
