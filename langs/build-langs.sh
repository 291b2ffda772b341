#!/usr/bin/env bash
# The language files are edited as UTF-8 in src/ and shipped in Windows-1252 with
# CR LF line ends, the format the pack's language files have always had.
set -euo pipefail
cd "$(dirname "$0")"
for f in src/*.txt; do
    name=$(basename "$f" .txt)
    iconv -f UTF-8 -t WINDOWS-1252 "$f" | sed 's/$/\r/' > "$name.ini"
done
