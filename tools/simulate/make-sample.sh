#!/usr/bin/env bash
# Regenerates the bundled sample regatta (data/sample) from the simulator with fixed seeds.
# Usage: tools/simulate/make-sample.sh path/to/regatix-simulate [data/sample]
set -euo pipefail
sim=${1:?usage: make-sample.sh path/to/regatix-simulate [folder]}
out=${2:-data/sample}

# Only what the simulator writes is replaced; help pages, icons and the coastline (made from GSHHG by
# tools/coastline/make-coastline.sh) stay.
rm -rf "$out/raceadmin" "$out/gpsdat" "$out/winddat" "$out/truth" "$out/attachment"
mkdir -p "$out/attachment"

# Race 1: the first one shown. Windward-leeward off Toba, Japanese boat names in a Shift-JIS race file.
"$sim" --out "$out" --name toba-wl --seed 101 --boats 10 --course wl --laps 2 --minutes 40 \
  --wind-dir 200 --wind-speed 11 --lat 34.5600 --lon 136.8700 --date 2026/05/17 --time 10:30:00 \
  --title1 "Toba Spring Regatta 2026" --title2 "Race 1  Windward-leeward" \
  --note "Southwesterly sea breeze, 9-13 knots. One boat over early at the start." \
  --names "疾風,潮騒,海燕,白鷺,黒潮,若潮,青嵐,飛翔,鳥羽丸,朝凪" --shift-jis \
  --attachment toba-sailing-instructions.html

# Race 2: a triangle in the afternoon, shown north-up.
"$sim" --out "$out" --name toba-triangle --seed 202 --boats 20 --course triangle --laps 1 --minutes 40 \
  --wind-dir 215 --wind-speed 13 --shift 8 --lat 34.5650 --lon 136.8800 --date 2026/05/17 --time 13:15:00 \
  --title1 "Toba Spring Regatta 2026" --title2 "Race 2  Triangle" --north-up \
  --names "Hayate,Shiokaze,Kamome,Tsubasa,Wakashio,Kuroshio,Asagiri,Yunagi,Hiryu,Shirasagi,Akatsuki,Hibiki,\
Isaribi,Harukaze,Uzushio,Mutsuki,Seiran,Komorebi,Oboro,Fuji"

# Race 3: next morning, lighter air, no wind record; loggers writing degrees-minutes-seconds and day-first dates.
"$sim" --out "$out" --name toba-morning --seed 303 --boats 8 --course wl --laps 3 --minutes 35 \
  --wind-dir 240 --wind-speed 7 --lat 34.5580 --lon 136.8650 --date 2026/05/18 --time 09:30:00 \
  --title1 "Toba Spring Regatta 2026" --title2 "Race 3  Light air" --no-wind-file --rate 0.5 \
  --coords dms --dates dmy \
  --names "Minato,Isana,Sazanami,Hikari,Tenma,Kirara,Umineko,Orca"

# Race 4: a passage race from Toba round Daiozaki to Katsuura, more than 50 minutes of latitude tall, so
# the chart takes its coast from toba.cst; a fix every 10 s, decimal degrees and dates like 19-MAY-26.
"$sim" --out "$out" --name toba-kumano --seed 404 --boats 9 --course passage --lat 34.4200 --lon 136.9800 \
  --waypoints "34.2400,136.9700 33.5500,136.0500" --wind-dir 110 --wind-speed 12 --rate 0.1 \
  --date 2026/05/19 --time 07:00:00 --title1 "Toba - Kumano Passage Race 2026" --title2 "73 miles round Daiozaki" \
  --coords deg --dates dmon \
  --names "Kuroshio,Shiokaze,Hiryu,Tenma,Akatsuki,Asagiri,Orca,Hibiki,Nagisa"

# Race 5: a short evening race whose crews logged with their phones: the tracks are GPX files, a fix every 2 s.
"$sim" --out "$out" --name toba-evening --seed 505 --boats 8 --course wl --laps 2 --minutes 25 \
  --wind-dir 190 --wind-speed 9 --lat 34.5620 --lon 136.8720 --date 2026/05/18 --time 17:00:00 \
  --title1 "Toba Spring Regatta 2026" --title2 "Race 4  Evening race, phone tracks (GPX)" --rate 0.5 --format gpx \
  --names "Hotaru,Yuzuki,Nagi,Sango,Mirai,Kaze,Kaede,Sora"

printf 'toba-wl.txt\r\n' > "$out/raceadmin/racefile.st"
