#!/bin/bash
# Regenerates resources/tables/*.bin. Needs: apt-get install libopencc-dev libopencc-data
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra "$root/tools/convtables/gen_convert_tables.cpp" -o "$work/gen" \
    $(pkg-config --cflags --libs opencc)
"$work/gen" /usr/share/opencc "$root/resources/tables"
