#!/usr/bin/env bash
# Every relative link and picture of the README and the pages in docs/ leads to a file that is
# there: links.sh CHECKOUT.
set -uo pipefail
cd "$1"
status=0
for page in README.md docs/*.md; do
    folder=$(dirname "$page")
    # Markdown links and pictures, [text](target) and ![text](target), without web addresses
    # and anchors within the page.
    while read -r target; do
        target=${target%%#*}
        [ -z "$target" ] && continue
        [ -e "$folder/$target" ] || { echo "FAIL: $page links to $target, which is not there" >&2; status=1; }
    done < <(grep -o '](\([^)]*\))' "$page" | sed 's/^](//; s/)$//' | grep -Ev '^(https?:|mailto:|#)')
done
exit "$status"
