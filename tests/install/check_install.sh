#!/usr/bin/env bash
# Usage: check_install.sh CMAKE BUILD_DIR VERSION APP_ID LANGUAGES
# Installs BUILD_DIR with "cmake --install" into a temporary prefix and validates the installed
# desktop entry, AppStream metainfo, icon and manual page, and that only the program is installed.
# LANGUAGES (de,fr,...) are the program's catalogues: the menu entry and the software centre's
# text must speak each of them too.
set -uo pipefail
cmake=$1 build=$2 version=$3 id=$4 languages=${5:-}

for tool in desktop-file-validate appstreamcli groff lexgrog xmllint; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: '$tool' is not installed, so the install tree cannot be validated;" \
            "scripts/install-deps.sh installs it"
        exit 77
    fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$stage/usr" >"$stage/install.log" 2>&1; then
    cat "$stage/install.log"
    echo "FAIL: cmake --install $build failed"
    exit 1
fi

usr=$stage/usr
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
icon=$usr/share/icons/hicolor/scalable/apps/$id.svg
manpage=$usr/share/man/man1/sumtopia.1

# Exactly these files: the test programs and the benchmark references stay in the build folder.
expected="usr/bin/sumtopia
usr/share/applications/$id.desktop
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/sumtopia.1
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$stage" && find usr -type f | LC_ALL=C sort)
if [[ "$actual" != "$expected" ]]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$expected") <(echo "$actual")
fi

if [[ -x $usr/bin/sumtopia ]]; then
    out=$("$usr/bin/sumtopia" --version 2>&1)
    [[ "$out" == "sumtopia $version" ]] || fail "installed sumtopia --version printed '$out'"
else
    fail "no executable $usr/bin/sumtopia"
fi

if [[ -f $desktop ]]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejects $id.desktop"
    [[ -z "$out" ]] || fail "desktop-file-validate: $out"
    grep -qx 'Exec=sumtopia' "$desktop" || fail "desktop entry does not start 'sumtopia'"
    grep -qx "Icon=$id" "$desktop" || fail "desktop entry's icon is not '$id'"
    grep -qx 'Categories=Education;Math;' "$desktop" || fail "desktop entry lacks Education;Math;"
fi

# A language's value of a desktop entry key, empty when it has none.
entry() {
    sed -n "s/^$1\\[$2\\]=//p" "$desktop"
}
# How many elements an XPath expression finds in the metainfo.
count() {
    xmllint --xpath "count($1)" "$metainfo" 2>/dev/null
}

IFS=, read -r -a codes <<<"$languages"
for code in "${codes[@]}"; do
    if [[ -f $desktop ]]; then
        for key in Name GenericName Comment Keywords; do
            [[ -n "$(entry "$key" "$code")" ]] || fail "desktop entry has no $key[$code]"
        done
        # The menu's words in the language, not the English ones copied.
        for key in GenericName Comment Keywords; do
            english=$(sed -n "s/^$key=//p" "$desktop")
            [[ "$(entry "$key" "$code")" != "$english" ]] || fail "desktop entry's $key[$code] is English"
        done
    fi
    if [[ -f $metainfo ]]; then
        [[ $(count "/component/summary[@xml:lang='$code']") == 1 ]] ||
            fail "metainfo has no summary in '$code'"
        # Every paragraph and list item of the description has its translation.
        for part in p ul/li; do
            english=$(count "/component/description/$part[not(@xml:lang)]")
            translated=$(count "/component/description/$part[@xml:lang='$code']")
            [[ "$translated" == "$english" ]] ||
                fail "metainfo description has $translated of $english <${part#ul/}> in '$code'"
        done
    fi
done

if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    grep -q "<binary>sumtopia</binary>" "$metainfo" || fail "metainfo does not provide sumtopia"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"
fi

if [[ -f $icon ]]; then
    xmllint --noout "$icon" || fail "icon is not well-formed XML"
    grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$icon" || fail "icon is not an SVG picture"
    grep -q 'viewBox="0 0 32 32"' "$icon" || fail "icon is not drawn in the logo's 32 by 32 units"
fi

if [[ -f $manpage ]]; then
    out=$(groff -man -ww -z -Tutf8 "$manpage" 2>&1)
    [[ -z "$out" ]] || fail "groff warns about the manual page: $out"
    out=$(lexgrog "$manpage" 2>&1)
    [[ "$out" == *'"sumtopia - '* ]] || fail "man's index finds no NAME line: $out"
    grep -q "^\.TH SUMTOPIA 1 .*\"Sumtopia $version\"" "$manpage" ||
        fail "manual page is not section 1 of version $version"
    for option in --worksheet --grade --seed --answers --negatives --with-key --count --output \
        --help --version; do
        grep -q "^\.[BI]*  *${option//-/\\\\-}\b" "$manpage" || fail "manual page lacks $option"
    done
fi

if ((failures > 0)); then
    echo "$failures check(s) of the install tree failed"
    exit 1
fi
echo "install tree in order: $(echo "$actual" | wc -l) files"
