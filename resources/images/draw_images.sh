#!/usr/bin/env bash
# Redraws the embedded images with ImageMagick. The results are committed, so
# this only needs running when an icon changes.
set -euo pipefail
cd "$(dirname "$0")"
teal='#009cb5'; dark='#23395d'; light='#e8f4f7'

# Application icon: a screen with a network node.
convert -size 64x64 xc:none -fill "$teal" -draw 'roundrectangle 4,4 59,59 10,10' \
    -fill white -draw 'rectangle 14,16 49,40' -fill "$dark" -draw 'rectangle 29,40 34,48' \
    -draw 'rectangle 20,48 43,52' -fill "$teal" -draw 'circle 32,28 32,22' PNG32:app_icon.png

# Load image: a picture frame with a mountain and an arrow.
convert -size 64x62 xc:white -fill "$light" -stroke "$dark" -strokewidth 3 -draw 'rectangle 6,10 57,53' \
    -stroke none -fill "$teal" -draw 'polygon 10,50 26,26 38,42 44,34 54,50' \
    -fill '#f2b134' -draw 'circle 46,20 46,15' load.gif

# Server: a stack of three rack units.
convert -size 64x64 xc:white -fill "$dark" \
    -draw 'roundrectangle 12,6 51,20 3,3' -draw 'roundrectangle 12,25 51,39 3,3' -draw 'roundrectangle 12,44 51,58 3,3' \
    -fill "$teal" -draw 'circle 44,13 44,10' -draw 'circle 44,32 44,29' -draw 'circle 44,51 44,48' server.gif

# Thin client: a small box with a screen.
convert -size 50x36 xc:white -fill "$dark" -draw 'roundrectangle 4,3 45,27 3,3' \
    -fill "$light" -draw 'rectangle 8,7 41,23' -fill "$teal" -draw 'rectangle 18,28 31,33' thinclient.gif

# Assign servers: a server linked to two clients.
convert -size 64x64 xc:white -stroke "$teal" -strokewidth 3 -draw 'line 32,20 14,44' -draw 'line 32,20 50,44' \
    -stroke none -fill "$dark" -draw 'roundrectangle 20,4 44,22 3,3' \
    -draw 'rectangle 4,44 24,58' -draw 'rectangle 40,44 60,58' assignservers.gif

# Save: a floppy-like disk.
convert -size 64x64 xc:white -fill "$dark" -draw 'roundrectangle 8,8 55,55 4,4' \
    -fill white -draw 'rectangle 18,8 45,24' -fill "$teal" -draw 'rectangle 16,34 47,52' \
    -fill "$dark" -draw 'rectangle 36,11 41,21' save.gif

# Word marks.
convert -size 151x21 xc:white -fill "$teal" -draw 'rectangle 0,0 20,20' -fill white -draw 'circle 10,10 10,4' \
    -fill "$dark" -draw 'rectangle 26,9 150,11' -quality 92 qv_small_logo.jpg
convert -size 301x42 xc:white -fill "$teal" -draw 'rectangle 0,0 41,41' -fill white -draw 'circle 20,20 20,9' \
    -fill "$dark" -draw 'rectangle 52,17 300,23' -fill "$teal" -draw 'rectangle 52,27 180,29' -quality 92 quorvane_logo.jpg
