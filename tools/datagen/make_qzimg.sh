#!/usr/bin/env bash
# Draws the pictures that the picture parameters of the page effects default to (data/qzimg/).
# Needs ImageMagick and a CJK font (fonts-noto-cjk).
set -euo pipefail
cd "$(dirname "$0")/../../data/qzimg"
font=$(fc-list ':lang=zh-cn' file | grep -i 'SansCJK' | head -1 | cut -d: -f1)

convert -size 120x80 gradient:'#FFEE88'-'#FF9933' -stroke '#CC3300' -strokewidth 2 -fill none \
    -draw 'roundrectangle 2,2 117,77 10,10' -stroke none -fill '#CC3300' -font "$font" -pointsize 22 \
    -gravity center -annotate +0-8 '欢迎光临' -pointsize 12 -fill '#663300' -annotate +0+18 'WELCOME' -colors 64 float.gif
convert -size 24x24 xc:none -fill '#FF3366' -draw 'circle 7,8 7,3' -draw 'circle 16,8 16,3' \
    -draw 'polygon 2,10 21,10 12,21' heart.gif

slide() { # number, dark colour, light colour, shape
    convert -size 320x160 gradient:"$3"-"$2" -fill '#FFFFFF' -draw "$4" -font "$font" -pointsize 36 \
        -gravity west -annotate +30+0 "图片$1" -strip "slide$1.png"
}
slide 1 '#3366CC' '#99CCFF' 'circle 250,80 250,40'
slide 2 '#339933' '#CCFF99' 'polygon 220,130 260,40 300,130'
slide 3 '#CC6633' '#FFDD99' 'rectangle 220,40 300,120'

convert -size 64x64 xc:'#F4F9FF' -fill '#E2EEFA' -draw 'rectangle 0,0 31,31' -draw 'rectangle 32,32 63,63' -strip bg1.png
convert -size 48x48 xc:'#FFFBF0' -fill '#F6E9CC' -draw 'circle 24,24 24,16' -strip bg2.png
ls -l
