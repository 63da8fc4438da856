#!/usr/bin/env bash
# Installs a build into a scratch folder and checks the desktop integration:
# every file where desktops look for it, and the desktop entry and AppStream
# metadata accepted by their validators.
# Usage: check-install-tree.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 root=$2
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
id=org.qvrtomorvane.QVRtoMorvane
share="$root/usr/share"
for file in \
    "$root/usr/bin/qvrtomorvane" "$root/usr/bin/qvrtomorvane-cli" \
    "$share/applications/$id.desktop" "$share/metainfo/$id.metainfo.xml" \
    "$share/icons/hicolor/16x16/apps/$id.png" "$share/icons/hicolor/24x24/apps/$id.png" \
    "$share/icons/hicolor/32x32/apps/$id.png" "$share/icons/hicolor/48x48/apps/$id.png" \
    "$share/icons/hicolor/256x256/apps/$id.png" "$share/icons/hicolor/scalable/apps/$id.svg" \
    "$share/man/man1/qvrtomorvane.1.gz" "$share/man/man1/qvrtomorvane-cli.1.gz" \
    "$share/doc/qvrtomorvane/copyright" "$share/doc/qvrtomorvane/changelog.gz"; do
    [ -f "$file" ] || { echo "missing: ${file#"$root"}" >&2; exit 1; }
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
man --warnings -l "$share/man/man1/qvrtomorvane-cli.1.gz" >/dev/null
# A file manager's "Open with" for a text file offers the window: desktops
# find it through the cache update-desktop-database builds from the entry.
update-desktop-database "$share/applications"
grep -q "^text/plain=.*$id\.desktop" "$share/applications/mimeinfo.cache" \
    || { echo "the desktop entry does not open text files" >&2; exit 1; }
echo "install tree: all files in place, desktop entry (opening text files) and metainfo valid"
