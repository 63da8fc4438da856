#!/usr/bin/env bash
# Takes docs/web-ENGINE-360-light.png, -1280-light.png, -360-dark.png and
# -360-refused.png of the web page in Chromium, Firefox ESR and WebKitGTK,
# through the page's own layout test (which also checks that codes break
# anywhere and every other text between words), and through its languages'
# test web-ENGINE-360-ja.png and -1280-ja.png (the page in Japanese, as a
# browser set to Japanese opens it) and web-ENGINE-batch.png (three codes
# converted at once); run after the README's test command has built
# everything.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f docs/web-*.png
for engine in chromium firefox webkit; do
    display=()
    [ "$engine" = webkit ] && display=(xvfb-run -a -s "-screen 0 1600x1200x24")
    QVRTOMORVANE_ENGINE=$engine \
    QVRTOMORVANE_SCREENSHOTS="$PWD/docs" \
    QVRTOMORVANE_PAGE="$PWD/build-web/web/page/index.html" \
    QVRTOMORVANE_CLI="$PWD/build/bin/qvrtomorvane-cli" \
    QVRTOMORVANE_MAKE_CODE="$PWD/build/bin/make_code" \
        "${display[@]}" node --test --test-name-pattern='^layout|^ja:' web/tests/page.test.mjs web/tests/language.test.mjs
done
