#!/usr/bin/env bash
# Refreshes resources/translations/velmis.ts from the sources; existing translations stay.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate -locations none -no-obsolete app link radio propertyeditor pages journal update \
    -ts resources/translations/velmis.ts
