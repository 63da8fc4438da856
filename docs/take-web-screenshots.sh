#!/usr/bin/env bash
# Takes docs/web-360-light.png, docs/web-1280-light.png and
# docs/web-360-dark.png of the web page in Chromium, through the page's own
# layout test; run after building the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
QVRTOMORVANE_SCREENSHOTS="$PWD/docs" \
QVRTOMORVANE_PAGE="$PWD/build/web-page/web/page/index.html" \
QVRTOMORVANE_CLI="$PWD/build/bin/qvrtomorvane-cli" \
QVRTOMORVANE_MAKE_CODE="$PWD/build/bin/make_code" \
    node --test --test-name-pattern='layout' web/tests/
