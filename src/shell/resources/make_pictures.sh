#!/bin/sh
# Draws the program's pictures with ImageMagick: splash and logo (JPEG), flags, GO/STOP pad, the blue
# flag and the compass rose (PNG). Run it from this folder; the outputs are committed.
set -e
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
SERIF=/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf

# Splash, 333 x 381: evening sky over the sea, a yacht close-hauled, the name below.
convert -size 333x230 gradient:'#1d3b6e'-'#f2b66d' \
  \( -size 333x151 gradient:'#2a6f9e'-'#0b2a4a' \) -append +repage \
  -fill '#0b2a4a' -draw "polygon 96,248 236,248 222,266 112,266" \
  -fill '#f4f1e8' -draw "polygon 164,70 164,242 100,242" \
  -fill '#e8e2d0' -draw "polygon 170,96 170,242 236,242" \
  -stroke '#3a3a3a' -strokewidth 2 -draw "line 167,62 167,250" -stroke none \
  -fill '#c8302c' -draw "polygon 167,62 180,66 167,70" \
  -fill 'rgba(255,255,255,0.35)' -draw "path 'M 0,292 Q 83,284 166,292 T 333,292 L 333,296 Q 250,290 166,296 T 0,296 Z'" \
  -fill 'rgba(255,255,255,0.25)' -draw "path 'M 0,318 Q 83,310 166,318 T 333,318 L 333,321 Q 250,315 166,321 T 0,321 Z'" \
  -font "$SERIF" -pointsize 40 -fill white -gravity south -annotate +0+30 'Regatix' \
  -font "$FONT" -pointsize 13 -fill '#cfe4f5' -annotate +0+12 'yacht racing browser' \
  -quality 92 splash.jpg

# Logo, 78 x 120 for the logo panel beside the overview map.
convert -size 78x120 gradient:'#0b2a4a'-'#2a6f9e' \
  -fill '#f4f1e8' -draw "polygon 38,14 38,78 14,78" \
  -fill '#e8e2d0' -draw "polygon 42,24 42,78 64,78" \
  -stroke '#dddddd' -strokewidth 1 -draw "line 40,10 40,82" -stroke none \
  -fill '#f4f1e8' -draw "polygon 16,84 64,84 58,90 22,90" \
  -font "$SERIF" -pointsize 15 -fill white -gravity south -annotate +0+8 'Regatix' \
  -quality 92 logo.jpg

# Language flags, 34 x 23: the visible one offers the other language.
convert -size 34x23 xc:white -fill '#bc002d' -draw "circle 17,11 17,5" -bordercolor '#808080' -border 0 \
  -stroke '#808080' -fill none -draw "rectangle 0,0 33,22" jpn.png
convert -size 34x23 xc:white -fill '#b22234' \
  -draw "rectangle 0,0 33,1" -draw "rectangle 0,4 33,5" -draw "rectangle 0,8 33,9" -draw "rectangle 0,12 33,13" \
  -draw "rectangle 0,16 33,17" -draw "rectangle 0,20 33,22" \
  -fill '#3c3b6e' -draw "rectangle 0,0 14,11" -fill white \
  -draw "point 3,2" -draw "point 7,2" -draw "point 11,2" -draw "point 5,5" -draw "point 9,5" \
  -draw "point 3,8" -draw "point 7,8" -draw "point 11,8" usa.png

# GO/STOP pad: up and down 21 x 16, stop 21 x 10, steps 21 x 16; _f is off, _t is lit.
pad() { # name width height background arrow-colour shape
  convert -size "$2x$3" xc:"$4" -stroke '#5a5a5a' -fill none -draw "rectangle 0,0 $(($2-1)),$(($3-1))" \
    -stroke none -fill "$5" -draw "$6" "$1.png"
}
pad up_f 21 16 '#d8d8d8' '#707070' "polygon 10,3 17,12 3,12"
pad up_t 21 16 '#2e7d32' '#ffffff' "polygon 10,3 17,12 3,12"
pad dn_f 21 16 '#d8d8d8' '#707070' "polygon 3,3 17,3 10,12"
pad dn_t 21 16 '#2e7d32' '#ffffff' "polygon 3,3 17,3 10,12"
pad stop_f 21 10 '#d8d8d8' '#707070' "rectangle 7,2 13,7"
pad stop_t 21 10 '#c62828' '#ffffff' "rectangle 7,2 13,7"
pad plus 21 16 '#e3ecf5' '#1d3b6e' "rectangle 9,3 11,12 rectangle 5,7 15,8"
pad minus 21 16 '#e3ecf5' '#1d3b6e' "rectangle 5,7 15,8"

# The blue flag of the preparatory signal, 48 x 32: blue with a white square.
convert -size 48x32 xc:'#1f3f9a' -fill white -draw "rectangle 14,9 33,22" \
  -stroke '#202020' -fill none -draw "rectangle 0,0 47,31" blue_p.png

# Compass rose, 83 x 83 on black: rings, ticks every 10 degrees (longer every 30), eight points, red north.
TICKS=$(awk 'BEGIN { for (a = 0; a < 360; a += 10) { r = (a % 30 == 0) ? 31 : 35; t = a * 3.14159265 / 180;
  printf "line %d,%d %d,%d ", 41 + r * sin(t), 41 - r * cos(t), 41 + 39 * sin(t), 41 - 39 * cos(t) } }')
convert -size 83x83 xc:black -fill none -stroke '#9ab8d6' -strokewidth 1 -draw "circle 41,41 41,2" \
  -draw "circle 41,41 41,12" -draw "$TICKS" \
  -stroke none -fill '#5d7fa3' -draw "polygon 41,41 52,30 72,41" -draw "polygon 41,41 52,52 41,72" \
  -draw "polygon 41,41 30,52 10,41" -draw "polygon 41,41 30,30 41,10" \
  -fill '#e6eef7' -draw "polygon 74,41 46,46 41,41 46,36" \
  -draw "polygon 41,74 36,46 41,41 46,46" -draw "polygon 8,41 36,36 41,41 36,46" \
  -fill '#d32f2f' -draw "polygon 41,8 46,36 41,41 36,36" \
  compass.png
