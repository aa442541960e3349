#!/usr/bin/env bash
# The scripts read a catalogue's texts whole however msgmerge or msgcat wrap
# its lines: each text of a catalogue wrapped at 40 columns is the text of
# the catalogue as it is.
#   script_texts.sh CODE KEY...
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
code="$1"
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts" "$scratch/i18n"
ln -s "$root/scripts/catalogues" "$scratch/scripts/catalogues"
msgcat --width=40 "$root/i18n/en.po" -o "$scratch/i18n/en.po"
msgcat --width=40 "$root/i18n/$code.po" -o "$scratch/i18n/$code.po"
for key in "$@"; do
  korvane_use_catalogue "$root" "$code"
  whole="$(korvane_entry_text "$key")"
  korvane_use_catalogue "$scratch" "$code"
  wrapped="$(korvane_entry_text "$key")"
  if [ -z "$whole" ] || [ "$whole" != "$wrapped" ]; then
    echo "FAILED: $code $key reads \"$wrapped\" wrapped, \"$whole\" as it is"
    exit 1
  fi
done
echo "$# texts read whole"
