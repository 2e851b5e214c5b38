#!/usr/bin/env bash
# Refreshes resources/translations/velmis.ts from the sources; existing translations stay.
# Usage: update-translations.sh [file.ts]   (another .ts file, e.g. a copy the tests check)
# LUPDATE names the lupdate to use; otherwise the Qt 5 one is looked for.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ts=$(realpath -m "${1:-$root/resources/translations/velmis.ts}")

find_lupdate() {
    if [[ -n "${LUPDATE:-}" ]]; then
        echo "$LUPDATE"
    elif [[ -x /usr/lib/qt5/bin/lupdate ]]; then
        echo /usr/lib/qt5/bin/lupdate
    elif command -v lupdate-qt5 >/dev/null; then
        command -v lupdate-qt5
    elif command -v lupdate >/dev/null; then
        command -v lupdate
    else
        echo "lupdate not found: install qttools5-dev-tools or set LUPDATE" >&2
        return 1
    fi
}

lupdate=$(find_lupdate)
cd "$root"
"$lupdate" -I . -locations none -no-obsolete app link radio propertyeditor pages journal update -ts "$ts"
