#!/usr/bin/env bash
# Builds the Debian package, has lintian check it (no error, no warning),
# installs it with apt as a user would, runs both programs from it and
# removes it again. Needs root (or sudo) for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

cmake --preset package >/dev/null
cmake --build --preset package
cpack --preset package
deb=$(ls build-package/qvrtomorvane_*_*.deb)

lintian --fail-on error,warning --pedantic --info "$deb"

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -q "./$deb"
trap '"${sudo[@]}" apt-get remove -y -q qvrtomorvane >/dev/null' EXIT
/usr/bin/qvrtomorvane-cli --version
printf '107**aa1.2.3.4_bc5.6.7.8.9' | /usr/bin/qvrtomorvane-cli | grep -qx '105\*\*aa1.2_bc5.6.8.8.0'
# The window has no option to quit by itself: it must still be up after 3 s.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/qvrtomorvane || status=$?
[ "$status" -eq 124 ] || { echo "qvrtomorvane exited with $status" >&2; exit 1; }
echo "package: lintian clean, installs with apt, both programs run"
