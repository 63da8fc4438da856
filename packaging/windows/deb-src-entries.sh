#!/usr/bin/env bash
# Prints, in deb822 form, a deb-src entry for every enabled binary entry of
# the given apt source files whose suite belongs to the release CODENAME
# (CODENAME itself or CODENAME-something), so that source packages come from
# the same mirrors as the machine's binary packages.
#
# Usage: deb-src-entries.sh CODENAME FILE...   (missing files are skipped)
set -euo pipefail
codename=$1
shift
for file in "$@"; do
    [ -f "$file" ] || continue
    case $file in
    *.sources)
        # Stanzas are separated by blank lines; comments are dropped.
        awk -v codename="$codename" '
            function suiteMatches(suites,   n, i, list) {
                n = split(suites, list, /[ \t]+/)
                for (i = 1; i <= n; i++)
                    if (list[i] == codename || index(list[i], codename "-") == 1) return 1
                return 0
            }
            function flush() {
                if (hasDeb && enabled && suiteMatches(suites)) {
                    print "Types: deb-src"
                    printf "%s", body
                    print ""
                }
                hasDeb = 0; enabled = 1; suites = ""; body = ""
            }
            BEGIN { enabled = 1 }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            {
                line = $0
                field = tolower(line); sub(/:.*/, "", field)
                value = line; sub(/^[^:]*:[ \t]*/, "", value)
                if (field == "types") { if (value ~ /(^|[ \t])deb([ \t]|$)/) hasDeb = 1; next }
                if (field == "enabled" && tolower(value) == "no") enabled = 0
                if (field == "suites") suites = value
                body = body line "\n"
            }
            END { flush() }' "$file"
        ;;
    *)
        # deb [options] URI SUITE COMPONENT...
        awk -v codename="$codename" '
            $1 == "deb" {
                i = 2
                if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                uri = $i; suite = $(i + 1)
                if (suite != codename && index(suite, codename "-") != 1) next
                options = ""
                if ($2 ~ /^\[/) {
                    for (j = 2; j < i; j++) options = options (options == "" ? "" : " ") $j
                    gsub(/^\[|\]$/, "", options)
                }
                components = ""
                for (j = i + 2; j <= NF; j++) components = components (components == "" ? "" : " ") $j
                print "Types: deb-src"
                print "URIs: " uri
                print "Suites: " suite
                print "Components: " components
                n = split(options, opts, /[ \t]+/)
                for (j = 1; j <= n; j++) {
                    split(opts[j], kv, "=")
                    if (kv[1] == "signed-by") print "Signed-By: " kv[2]
                }
                print ""
            }' "$file"
        ;;
    esac
done
