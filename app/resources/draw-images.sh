#!/bin/bash
# Draws lexpad's icon (lexpad.ico: 16x16 and 32x32) and the Replace tool
# button image (replace.bmp: 16x16) with ImageMagick.  The outputs are kept
# in the repository, so a build needs no ImageMagick; run this again only to
# change them.
set -eu
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The icon: two overlapping cards, an amber one for the From language and a
# blue one for the To language, with an arrow from one to the other.
convert -size 32x32 xc:none \
  -fill '#f0a020' -stroke '#8a5a00' -strokewidth 1 -draw 'roundrectangle 1,1 19,19 3,3' \
  -fill '#2f6fd0' -stroke '#17356b' -strokewidth 1 -draw 'roundrectangle 12,12 30,30 3,3' \
  -stroke white -strokewidth 2 -draw 'line 6,7 16,7' -draw 'line 6,12 12,12' \
  -draw 'line 16,24 26,24' -draw 'line 16,19 22,19' \
  -stroke '#17356b' -strokewidth 2 -fill none -draw 'line 21,5 26,10' -draw 'line 26,10 26,6' -draw 'line 26,10 22,10' \
  "$work/icon32.png"
convert -size 16x16 xc:none \
  -fill '#f0a020' -stroke '#8a5a00' -strokewidth 1 -draw 'roundrectangle 0,0 9,9 2,2' \
  -fill '#2f6fd0' -stroke '#17356b' -strokewidth 1 -draw 'roundrectangle 6,6 15,15 2,2' \
  -stroke white -strokewidth 1 -draw 'line 2,3 7,3' -draw 'line 2,5 5,5' \
  -draw 'line 8,10 13,10' -draw 'line 8,12 11,12' \
  "$work/icon16.png"
convert "$work/icon16.png" "$work/icon32.png" lexpad.ico

# Replace: a line of text with a bent arrow pointing into it.  A palette
# image, so that the tool bar maps its light grey background (192,192,192)
# to the button face, as it does with the standard images.
convert -size 16x16 xc:'rgb(192,192,192)' +antialias \
  -fill white -stroke black -strokewidth 1 -draw 'rectangle 1,9 14,14' \
  -stroke '#404040' -draw 'line 3,11 12,11' -draw 'line 3,13 9,13' \
  -stroke '#c02020' -strokewidth 1 -fill none -draw 'line 3,1 3,5' -draw 'line 3,5 10,5' \
  -fill '#c02020' -draw 'polygon 10,2 13,5 10,8' \
  -type Palette -colors 16 BMP3:replace.bmp
