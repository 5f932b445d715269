#!/bin/bash
# The executable as Windows sees it, checked from Linux with Debian's pefile.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=${1:?usage: pe_check.sh WORK_DIR}
exec /usr/bin/python3 "$root/tests/win32/pe_check.py" "$dir/quorvane.exe" "$root/assets/quorvane.ico"
