#!/bin/sh
# Installs the build into a staging folder as the package does (prefix /usr)
# and checks what landed there: the file list, the desktop's own validators,
# the manual pages, and the installed veltaro-tide running from there.
#   check-install.sh BUILD_DIR APP_ID VERSION
set -eu
build=$1 id=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
cd "$stage"
usr=$stage/usr

# Exactly these files; the icon's rendered sizes are checked one by one below.
expected="usr/bin/veltaro
usr/bin/veltaro-tide
usr/libexec/veltaro/veltaro-tide-plot
usr/share/applications/$id.desktop
usr/share/doc/veltaro/changelog.gz
usr/share/doc/veltaro/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/ja/man1/veltaro-tide.1.gz
usr/share/man/ja/man1/veltaro.1.gz
usr/share/man/man1/veltaro-tide.1.gz
usr/share/man/man1/veltaro.1.gz
usr/share/metainfo/$id.metainfo.xml"
icons="usr/share/icons/hicolor/*x*/apps/$id.png"
actual=$(find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
# shellcheck disable=SC2254
others=$(printf '%s\n' "$actual" | while read -r path; do
    case $path in $icons) ;; *) echo "$path" ;; esac
done)
printf '%s\n' "$expected" | LC_ALL=C sort >"$work/expected"
printf '%s\n' "$others" | diff "$work/expected" - >"$work/diff" ||
    fail "installed files differ (< missing, > not expected): $(cat "$work/diff")"
for size in 16 256; do
    [ -f "usr/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}x$size icon"
done
for png in $icons; do
    dir=${png#usr/share/icons/hicolor/}
    dir=${dir%%/*}
    file -b "$png" | grep -q "^PNG image data, ${dir%x*} x ${dir#*x}," ||
        fail "$png is not a ${dir} PNG: $(file -b "$png")"
done

# The menu entry: valid (hints allowed), starting an installed program with an
# installed icon.
desktop=$usr/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
printf '%s\n' "$report" | grep -E ': (error|warning): ' && fail "desktop-file-validate warns"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name is not installed"

# The metainfo: valid, its newest release this version.
metainfo=$usr/share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, not $version"

# The manuals, English and Japanese, render without a warning.
for page in "$usr"/share/man/man1/*.1.gz "$usr"/share/man/ja/man1/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
        fail "man cannot render $page"
    [ -z "$warnings" ] || fail "man warns on $page: $warnings"
done

# veltaro-tide's manual in either language names every command and option its
# --help has, and its examples run with the installed tool.
tool=$usr/bin/veltaro-tide
commands=$("$tool" --help | awk '/^Commands:$/ { on = 1; next } on && !/^  [a-z]/ { exit } on { print $1 }')
[ -n "$commands" ] || fail "veltaro-tide --help lists no commands"
for folder in ja/man1 man1; do # English last: its examples are run below
    manual=$(MANWIDTH=200 man -l "$usr/share/man/$folder/veltaro-tide.1.gz")
    for command in $commands; do
        printf '%s\n' "$manual" | grep -qx "   $command" ||
            fail "the manual in $folder has no section for $command"
        for option in $("$tool" "$command" --help | grep -o -- '--[a-z-]*' | sort -u); do
            printf '%s\n' "$manual" | grep -q -- "$option" ||
                fail "the manual in $folder lacks $command $option"
        done
    done
done
examples=$(printf '%s\n' "$manual" | sed -n '/^EXAMPLES$/,/^[A-Z]/s/^ *\(veltaro-tide .*\)/\1/p')
[ -n "$examples" ] || fail "the manual has no examples"
printf '%s\n' "$examples" | while read -r example; do
    out=$(PATH=$usr/bin:$PATH sh -c "$example") || { echo "FAIL: $example" >&2; exit 1; }
    [ -n "$out" ] || { echo "FAIL: $example printed nothing" >&2; exit 1; }
done || fail "an example of the manual failed"

# The programs carry no path into the build tree.
for program in "$usr"/bin/* "$usr"/libexec/veltaro/*; do
    readelf -d "$program" | grep -q 'R.*PATH' && fail "$program has a run path"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures install check(s) failed" >&2
    exit 1
fi
echo "install checks passed: $(printf '%s\n' "$actual" | wc -l) files"
