#!/usr/bin/env bash
# Screenshots of a first start (language choice, then main window), of a
# second start (main window only), of a calculated and of a completed design
# and of its price list's project data and print preview, and of its
# specification, and of a printed specification sheet's preview, of the
# alternatives with their chart, of the operating points window and of a
# quotation of three positions under Xvfb, with a fresh settings folder.
#   scripts/screenshot.sh [BUILD_DIR]   (default build/) -> screenshots/*.png
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build}
if [ ! -x "$build/bin/kalvoria" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target kalvoria
fi
out="$root/screenshots"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.title
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/dist"
[ -d dist ] && cp -r dist/. "$tmp/dist/"
# Until the real installation tree is complete, fill its gaps with the test fixtures.
fix=tests/app/fixtures
[ -f "$tmp/dist/kalvoria.ini" ] || cp "$fix/kalvoria.ini" "$tmp/dist/"
mkdir -p "$tmp/dist/language" "$tmp/dist/pic"
for code in uk de; do
  [ -f "$tmp/dist/language/kalvoria_$code.lng" ] || cp "$fix/language/kalvoria_$code.lng" "$tmp/dist/language/"
done
if [ ! -f "$tmp/dist/pic/Logo.bmp" ]; then
  python3 - "$tmp/dist/pic/Logo.bmp" <<'PY'
import struct, sys
w, h = 160, 48
row = bytearray()
for x in range(w):
    row += bytes((160, 90, 20)) if (x // 8) % 2 else bytes((230, 200, 150))
pad = (4 - len(row) % 4) % 4
data = b"".join(bytes(row) + b"\0" * pad for _ in range(h))
head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(head + info + data)
PY
fi
export XDG_CONFIG_HOME="$tmp/config"
export KAL_ROOT="$root"
export KALVORIA_AUTOCLOSE=1
cd "$tmp/dist"
KALVORIA_SCREENSHOT="$out/first.png" xvfb-run -a "$root/$build/bin/kalvoria"
KALVORIA_SCREENSHOT="$out/second.png" xvfb-run -a "$root/$build/bin/kalvoria"
conf="$XDG_CONFIG_HOME/kalvoria/kalvoria.conf"
echo "stored: $(tr '\n' ' ' < "$conf")"
# A third start with German stored.
sed -i 's/^language=.*/language=Deutsch/' "$conf"
KALVORIA_SCREENSHOT="$out/german.png" xvfb-run -a "$root/$build/bin/kalvoria"
# A water/water design opened and calculated (English again).
sed -i 's/^language=.*/language=English/' "$conf"
KALVORIA_SCREENSHOT="$out/calculated.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen
# The same design completed: connections, insulation and painting priced.
cat > "$tmp/choices.json" <<'JSON'
[{"id": 1176, "select": 26}, {"id": 1046, "text": "180"}, {"id": 1047, "text": "150"},
 {"id": 1178, "check": true}, {"id": 1048, "text": "420"}, {"id": 1181, "check": true},
 {"id": 1187, "text": "3000"}, {"id": 1051, "text": "310"}]
JSON
KALVORIA_SCREENSHOT="$out/completed.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen --komplettieren \
  --choices "$tmp/choices.json"
# The specification of the completed design.
KALVORIA_SCREENSHOT="$out/specification.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen --komplettieren \
  --choices "$tmp/choices.json" --spezifikation
# The alternatives of the same design, and why an air cooler warming its
# water from 30 to 60 °C finds no pack.
KALVORIA_SCREENSHOT="$out/alternatives.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen --alternativen
python3 - "$root/$build/bin/kalvoria-cli" "$tmp/dist" "$tmp/air_water_60.kal" <<'PY'
import os, sys
sys.path.insert(0, os.path.join(os.environ["KAL_ROOT"], "tools/examples"))
from make_examples import Lists, project
cli, dist, ziel = sys.argv[1:]
p = dict(warm="Dry Air", cold="Water", tin_w="150", tout_w="60", flow_w="0.5", gas_w="6",
         tin_k="30", tout_k="60", dp_w="20", dp_k="50")
open(ziel, "wb").write(project(Lists(cli, dist, dict(os.environ)), p))
PY
KALVORIA_SCREENSHOT="$out/why.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" "$tmp/air_water_60.kal" --berechnen --alternativen
# Its price list: the project data, then the print preview.
sed 's/}]$/}, {"id": 40043, "command": true}]/' "$tmp/choices.json" > "$tmp/print.json"
KALVORIA_SCREENSHOT="$out/printed.png" xvfb-run -a -s "-screen 0 1600x1200x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen --komplettieren \
  --choices "$tmp/print.json"
# The steam condenser's specification printed: its project data, then the
# print preview of the sheet.
echo '[{"id": 1398, "click": true}]' > "$tmp/spec.json"
KALVORIA_SCREENSHOT="$out/spec-printed.png" xvfb-run -a -s "-screen 0 1600x1200x24" \
  "$root/$build/bin/kalvoria" examples/steam_condenser_design.kal --berechnen --komplettieren \
  --spezifikation --spec "$tmp/spec.json"
# The completed design specified and saved with its offer (the CLI's --save
# writes what the window's Save writes), then opened in a new start: the
# completion and the specification as they were left.
cat > "$tmp/spec-entries.json" <<'JSON'
[{"id": 1267, "text": "Dairy line 3"}, {"id": 1268, "text": "20"},
 {"id": 1397, "text": "Plates pickled and passivated"}, {"id": 1029, "text": "12.5"},
 {"id": 1369, "text": "Offer valid for 30 days"}]
JSON
"$root/$build/bin/kalvoria-cli" offer examples/water_water_design.kal --choices "$tmp/choices.json" \
  --spec "$tmp/spec-entries.json" --save "$tmp/offer.kal" >/dev/null
KALVORIA_SCREENSHOT="$out/reopened-completion.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" "$tmp/offer.kal" --berechnen --komplettieren
KALVORIA_SCREENSHOT="$out/reopened-specification.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" "$tmp/offer.kal" --berechnen --komplettieren --spezifikation
# A district heating substation with three operating points, made through the
# operating points window by actions and saved: winter 90/70 -> 60/80 at
# 400 kW, summer 70/45 -> 40/60 at 150 kW, and winter at 120 % flow
# (480 kW); then opened, calculated and shown in English and German.
cat > "$tmp/points.json" <<'JSON'
[{"id": 1188, "text": "90"}, {"id": 1278, "text": "70"}, {"id": 1035, "text": ""},
 {"id": 1277, "text": "60"}, {"id": 1279, "text": "80"}, {"id": 1059, "text": ""},
 {"id": 1018, "text": "400"}, {"id": 1037, "text": "50"}, {"id": 1057, "text": "50"},
 {"id": 1512, "click": true},
 {"id": 1522, "click": true},
 {"id": 2022, "text": "70"}, {"id": 2023, "text": "45"}, {"id": 2024, "text": "40"},
 {"id": 2025, "text": "60"}, {"id": 2026, "text": "150"},
 {"id": 1521, "select": 0}, {"id": 1522, "click": true}, {"id": 2046, "text": "480"},
 {"id": 2, "click": true}]
JSON
"$root/$build/bin/kalvoria-cli" calc examples/water_water_design.kal --actions "$tmp/points.json" \
  --save "$tmp/district.kal" >/dev/null || true
KALVORIA_SCREENSHOT="$out/operating-points.png" xvfb-run -a -s "-screen 0 1600x1200x24" \
  "$root/$build/bin/kalvoria" "$tmp/district.kal" --berechnen --betriebspunkte
sed -i 's/^language=.*/language=Deutsch/' "$conf"
KALVORIA_SCREENSHOT="$out/operating-points-de.png" xvfb-run -a -s "-screen 0 1600x1200x24" \
  "$root/$build/bin/kalvoria" "$tmp/district.kal" --berechnen --betriebspunkte
KALVORIA_SCREENSHOT="$out/alternatives-de.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" examples/water_water_design.kal --berechnen --alternativen
sed -i 's/^language=.*/language=English/' "$conf"
# A quotation of three positions (the completed design twice, the steam
# condenser as calculated), in English and German.
"$root/$build/bin/kalvoria-cli" quote "$tmp/quotation.kalq" --add "$tmp/offer.kal" --qty 2 \
  --text "Heating water, winter duty; spare gasket set included" \
  --add "$tmp/offer.kal" --add examples/steam_condenser_design.kal >/dev/null
KALVORIA_SCREENSHOT="$out/quotation.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" --angebot "$tmp/quotation.kalq"
sed -i 's/^language=.*/language=Deutsch/' "$conf"
KALVORIA_SCREENSHOT="$out/quotation-german.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$root/$build/bin/kalvoria" --angebot "$tmp/quotation.kalq"
sed -i 's/^language=.*/language=English/' "$conf"
# The help (F1) where no browser can be started: the program's own window.
mkdir -p "$tmp/ohne-browser"
KALVORIA_SCREENSHOT="$out/help.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  env PATH="$tmp/ohne-browser" "$root/$build/bin/kalvoria" --hilfe
for t in "$out"/*.title; do echo "$(basename "$t" .png.title): $(cat "$t")"; done
