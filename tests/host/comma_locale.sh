#!/usr/bin/env bash
# Compiles the German locale, whose numbers have a decimal comma, into FOLDER, for the tests that
# describe numbers under such a locale; the tests find it through LOCPATH, so no locale of the
# system's own is needed.
# Usage: comma_locale.sh FOLDER
set -euo pipefail
folder=$1
if ! command -v localedef >/dev/null || [ ! -f /usr/share/i18n/locales/de_DE ]; then
  echo "FAIL: the German locale's source is missing: install locales with scripts/deps.sh test" >&2
  exit 1
fi
mkdir -p "$folder"
localedef -i de_DE -f UTF-8 "$folder/de_DE.UTF-8"
