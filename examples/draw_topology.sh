#!/usr/bin/env bash
# Redraws the example topology picture with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 900x600 xc:'#f4f7fa' \
    -fill none -stroke '#9fb3c8' -strokewidth 4 \
    -draw 'line 450,300 170,140' -draw 'line 450,300 730,140' -draw 'line 450,300 170,470' -draw 'line 450,300 730,470' \
    -stroke '#23395d' -strokewidth 3 -fill '#ffffff' \
    -draw 'roundrectangle 40,60 300,220 14,14' -draw 'roundrectangle 600,60 860,220 14,14' \
    -draw 'roundrectangle 40,390 300,550 14,14' -draw 'roundrectangle 600,390 860,550 14,14' \
    -fill '#009cb5' -draw 'circle 450,300 450,255' \
    -stroke none -fill '#23395d' -pointsize 20 \
    -annotate +55+88 'Data centre' -annotate +615+88 'Cloud region' \
    -annotate +55+418 'Head office' -annotate +615+418 'Branch office' \
    -fill white -annotate +418+307 'Core' \
    topology.png
