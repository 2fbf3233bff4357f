#!/bin/sh
# Draws the banker help picture (src/help/banker_help.jpg) with ImageMagick: the six banker
# rows with a few selections, the count buttons, "胆码计重" and the row tolerance, annotated.
set -e
FONT=${FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
OUT=${1:-"$(dirname "$0")/../src/help/banker_help.jpg"}
GREEN='#00ff00'
FACE='#e8e8e8'

# button X Y W H caption fill
button() {
  echo "fill $6 stroke #808080 rectangle $1,$2 $(($1 + $3)),$(($2 + $4))"
  echo "fill black stroke none text $(($1 + $3 / 2 - 4)),$(($2 + $4 - 6)) '$5'"
}

# Which buttons are selected in the example: row 1 digits 1 2 3 and count 2; row 2 digit 9.
selected_digit() { case "$1:$2" in 0:1 | 0:2 | 0:3 | 1:9) return 0 ;; esac; return 1; }
selected_count() { [ "$1:$2" = "0:2" ]; }

{
  echo "font-size 13"
  echo "fill black text 14,60 '胆组'"
  echo "text 400,60 '胆码开出个数'"
  # the check box and the tolerance range on the top line
  echo "fill white stroke black rectangle 130,47 142,59"
  echo "fill black stroke none text 148,60 '胆码计重'"
  echo "text 240,60 '容错'"
  echo "fill white stroke #808080 rectangle 272,45 300,63"
  echo "fill black stroke none text 283,59 '0'"
  echo "text 306,60 '至'"
  echo "fill white stroke #808080 rectangle 324,45 352,63"
  echo "fill black stroke none text 335,59 '1'"
  r=0
  while [ $r -lt 6 ]; do
    y=$((72 + r * 30))
    echo "fill black stroke none text 10,$((y + 18)) '第$((r + 1))行'"
    d=0
    while [ $d -lt 10 ]; do
      fill=$FACE
      if selected_digit $r $d; then fill=$GREEN; fi
      button $((52 + d * 28)) $y 25 24 $d $fill
      d=$((d + 1))
    done
    button 336 $y 25 24 '全' $FACE
    c=0
    while [ $c -lt 6 ]; do
      fill=$FACE
      if selected_count $r $c; then fill=$GREEN; fi
      button $((376 + c * 28)) $y 25 24 $c $fill
      c=$((c + 1))
    done
    button 548 $y 25 24 '清' $FACE
    r=$((r + 1))
  done
  # arrows from the notes to the controls
  echo "stroke #c00000 stroke-width 2 line 200,36 148,47"
  echo "stroke #c00000 stroke-width 2 line 330,36 312,45"
  echo "stroke #c00000 stroke-width 2 line 500,36 460,48"
  echo "stroke none fill #c00000 font-size 12"
  echo "text 160,32 '重复的胆码是否重复计数'"
  echo "text 290,18 '允许几行胆码不对'"
  echo "text 470,32 '本行胆码要开出几个'"
  echo "font-size 14 fill #000080"
  echo "text 600,90 '第1行：胆码 1 2 3'"
  echo "text 600,110 '开出个数选 2'"
  echo "text 600,150 '第2行：胆码 9'"
  echo "text 600,170 '开出个数不选'"
  echo "text 600,190 '(至少开出1个)'"
} > /tmp/banker_help_draw.$$
DRAW=$(cat /tmp/banker_help_draw.$$)
rm -f /tmp/banker_help_draw.$$

NOTES='说明：
1. 每一行是一组胆码。点数字按键变绿色表示选为胆码，再点一次取消；六行互不相关。
2. 胆码开出个数：本行的胆码在号码中要出现几个才算这一行对，可以多选；一个都不选表示至少出现1个。
   “全”把本行数字和个数1到5全部反选，“清”清除本行。
3. 胆码计重：打勾时重复的胆码按出现次数计算，不打勾时只算一次。
   例：第1行胆码1 2 3、个数2：11245 不计重时算2个，保留；计重时算3个（两个1），这一行不对。
4. 容错：允许几行胆码不对。0至0 表示用到的每一行都要对；上图 0至1 表示最多一行不对：
   12459 两行都对，保留；12349 第1行不对（3个）、第2行对，保留；45678 两行都不对，排除。
5. 六行胆码合起来只算一个条件（见总容错说明）。建议新手只输入一行胆码。'

convert -size 760x436 xc:white -font "$FONT" -draw "$DRAW" \
  -fill black -pointsize 13 -annotate +12+284 "$NOTES" \
  -fill black -pointsize 18 -annotate +600+40 '胆码使用说明' \
  -quality 88 "$OUT"
