#!/bin/bash
# Builds quorvane.exe and the test programs (tools/build-win32.sh, which fetches and builds the static
# libraries on its first run) and makes a fresh Wine prefix for this test run in WORK_DIR/prefix: the
# fonts the program asks for mapped to installed ones, Wine's own window frames, ALSA for sound.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=${1:?usage: prepare.sh WORK_DIR}
"$root/tools/win32-setup.sh" test
"$root/tools/build-win32.sh" >"$dir.build.log" 2>&1 || { tail -n 40 "$dir.build.log"; exit 1; }

mkdir -p "$dir"
for exe in quorvane.exe quorvane_win32_tests.exe quorvane_fatal_start.exe; do
    cp "$root/build-win32/$exe" "$dir/" || { echo "tools/build-win32.sh made no $exe" >&2; exit 1; }
done

export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$dir/prefix
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w

# Decorated=N: Wine draws the classic frame itself, so the outer size is the program's own and the
# window manager adds nothing. The replacements give the faces the program asks for (the default GUI
# face, and KaiTi by both its names) glyphs for Chinese. The file is UTF-16, as regedit wants it for
# names outside ASCII.
reg=$dir/settings.reg
iconv -f UTF-8 -t UTF-16 >"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"="alsa"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"Arial"="WenQuanYi Micro Hei"
"Microsoft Sans Serif"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"KaiTi"="AR PL UKai CN"
"楷体"="AR PL UKai CN"
REG
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
# The caption's buttons are glyphs of Wine's Marlett (Debian's fonts-wine), which this Wine finds only
# in the prefix's own fonts folder.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
echo "quorvane.exe and a fresh Wine prefix are ready in $dir"
