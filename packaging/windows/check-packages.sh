#!/usr/bin/env bash
# Tries what a Windows user downloads, under Wine:
# - the zip, unpacked: Qt's catalogues are beside the window; its
#   converter converts the example and 300 generated codes byte for byte as
#   the Linux converter does, and replaces files named without their
#   folder, keeping their permissions;
# - the installer, run silently for the current user: the installed
#   converter converts the example as the Linux one does, Qt's catalogues
#   are there, the installed window starts, the Start-menu entry and the uninstaller's registration
#   are there; the uninstaller, run silently, leaves none of it behind.
# Usage: check-packages.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
windows_build=$(realpath "$1") linux_build=$(realpath "$2")
source=$(cd "$(dirname "$0")/../.." && pwd)
export WINEDEBUG=-all
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

version=$(sed -n 's/^project(QVRtoMorvane VERSION \([0-9.]*\)$/\1/p;s/^    VERSION \([0-9.]*\)$/\1/p' "$source/CMakeLists.txt" | head -1)
package=QVRtoMorvane-$version-windows-x86_64
zip=$windows_build/$package.zip
installer=$windows_build/$package.exe
for file in "$zip" "$installer"; do
    [ -f "$file" ] || { echo "missing: $file (run cpack --preset windows)" >&2; exit 1; }
done
echo "zip: $(du -k "$zip" | cut -f1) KB, installer: $(du -k "$installer" | cut -f1) KB"

# The same codes the page's test compares with the converter: 300 small
# generated ones, the example and a 10 MB one.
mkdir -p "$work/codes"
for seed in $(seq 0 299); do
    "$linux_build/bin/make_code" "$(awk "BEGIN { print 0.0005 + ($seed % 20) / 1000 }")" "$work/codes/code-$seed.txt" "$seed"
done
"$linux_build/bin/make_code" 10 "$work/codes/large.txt" 7
cp "$source/tests/data/example-code.txt" "$work/codes/example.txt"
"$linux_build/bin/qvrtomorvane-cli" -d "$work/linux" "$work"/codes/*.txt

unzip -q "$zip" -d "$work/zip"
# Qt's own catalogues beside the window, for its dialogs' words in each
# language it speaks (its own catalogues are inside it).
qt_catalogues() {
    for language in ja zh_CN ko es pt_BR fr de ru; do
        [ -f "$1/translations/qtbase_$language.qm" ] || { echo "missing: $1/translations/qtbase_$language.qm" >&2; exit 1; }
    done
}
qt_catalogues "$work/zip/$package"
(cd "$work/codes" && wine "$work/zip/$package/qvrtomorvane-cli.exe" -d "$work/windows" ./*.txt)
diff -r "$work/linux" "$work/windows"
echo "the unpacked zip's converter agrees with the Linux one on $(ls "$work/codes" | wc -l) codes"

# Files named bare, as people type them, replaced in their own folder: the
# new code in them, the permissions they had, nothing left beside them.
mkdir "$work/bare"
for mode in 644 600; do
    echo OLD > "$work/bare/out-$mode.txt"
    chmod "$mode" "$work/bare/out-$mode.txt"
    (cd "$work/bare" && wine "$work/zip/$package/qvrtomorvane-cli.exe" -o "out-$mode.txt" "$(winepath -w "$source/tests/data/example-code.txt")")
    cmp "$work/bare/out-$mode.txt" "$work/linux/example.txt"
    [ "$(stat -c %a "$work/bare/out-$mode.txt")" = "$mode" ] \
        || { echo "out-$mode.txt is now mode $(stat -c %a "$work/bare/out-$mode.txt")" >&2; exit 1; }
done
[ -z "$(ls -A "$work/bare" | grep saving)" ] || { echo "left behind: $(ls -A "$work/bare")" >&2; exit 1; }
echo "the unpacked zip's converter replaces files named bare and keeps their permissions"

# The user's editor opens .txt files, as Windows has it for a user who
# chose one: the installer must leave that as it is.
editor='HKCU\Software\Classes\.txt'
wine reg add "$editor" /ve /d "TheirEditor.txt" /f >/dev/null
wine "$installer" /S
wineserver -w
windows_home=$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")
appdata=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")
installed=$windows_home/Programs/QVRtoMorvane
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/QVRtoMorvane.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QVRtoMorvane'
[ -f "$installed/qvrtomorvane.exe" ] && [ -f "$installed/Uninstall.exe" ] && [ -f "$shortcut" ]
qt_catalogues "$installed"
wine reg query "$key" >/dev/null
wine "$installed/qvrtomorvane-cli.exe" "$(winepath -w "$source/tests/data/example-code.txt")" > "$work/installed.txt"
cmp "$work/installed.txt" "$work/linux/example.txt"
echo "installed in $installed: the converter agrees with the Linux one"

# "Open with" for .txt lists the window, for this user, and opens the file
# with it; .txt still opens with the user's editor.
registered() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -F "REG_SZ" | sed 's/.*REG_SZ *//'; }
command=$(registered 'HKCU\Software\Classes\Applications\qvrtomorvane.exe\shell\open\command')
expected="\"$(winepath -w "$installed/qvrtomorvane.exe")\" \"%1\""
[ "$command" = "$expected" ] || { echo "Open with runs <$command>, not <$expected>" >&2; exit 1; }
wine reg query 'HKCU\Software\Classes\Applications\qvrtomorvane.exe\SupportedTypes' /v .txt >/dev/null
wine reg query 'HKCU\Software\Classes\.txt\OpenWithProgids' /v QVRtoMorvane.CodeFile >/dev/null
[ "$(registered 'HKCU\Software\Classes\QVRtoMorvane.CodeFile\shell\open\command')" = "$expected" ]
[ "$(registered "$editor")" = "TheirEditor.txt" ] || { echo ".txt no longer opens with the user's editor" >&2; exit 1; }
echo "Open with lists the window for .txt files; they still open with the user's editor"

# The window starts, on a virtual X server with Windows' own platform
# plugin as shipped: its main window appears, titled as it should be (a
# missing library would show an error box instead). Wine's processes so far
# ran without a display; they go first, or the window would join them.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wine "$1" & program=$!
    for attempt in $(seq 30); do
        xdotool search --name "^QVRtoMorvane$" >/dev/null && found=1 && break
        sleep 1
    done
    wineserver -k
    wait $program || true
    [ -n "${found:-}" ]' check "$installed/qvrtomorvane.exe" \
    || { echo "the installed window did not appear" >&2; exit 1; }
echo "the installed window starts"

wine "$installed/Uninstall.exe" /S
wineserver -w
if [ -e "$installed" ] || [ -e "$shortcut" ] || wine reg query "$key" >/dev/null 2>&1 \
    || wine reg query 'HKCU\Software\Classes\Applications\qvrtomorvane.exe' >/dev/null 2>&1 \
    || wine reg query 'HKCU\Software\Classes\QVRtoMorvane.CodeFile' >/dev/null 2>&1 \
    || wine reg query 'HKCU\Software\Classes\.txt\OpenWithProgids' /v QVRtoMorvane.CodeFile >/dev/null 2>&1 \
    || [ "$(registered "$editor")" != "TheirEditor.txt" ]; then
    echo "the uninstaller left something behind:" >&2
    ls -la "$installed" "$shortcut" 2>&1 >&2 || true
    exit 1
fi
echo "the uninstaller leaves nothing behind"
