#!/bin/sh
# Writes the picture files the generator's Windows tests decode into the folder
# given: one per format of the input filter plus PNG (5x3 or 16x16: blue, red at
# the top left, lime at the bottom right), transparency and alpha, small pages,
# a 600x400 BMP whose every pixel differs from the one before (for long runs),
# and a .jpg that is text and an empty .bmp, which are no pictures.
set -e
out="$1"
mkdir -p "$out"
cd "$out"
convert -size 5x3 xc:blue -fill red -draw 'point 0,0' -fill lime -draw 'point 4,2' bmp3:s.bmp
convert s.bmp s.gif
convert s.bmp png24:s.png
convert -size 16x16 xc:blue -fill red -draw 'point 0,0' -fill lime -draw 'point 15,15' s.ico
# ImageMagick writes cursors as icons; a cursor file has type 2 and a hot
# spot where an icon's entry has planes and bit count.
cp s.ico s.cur
printf '\002' | dd of=s.cur bs=1 seek=2 conv=notrunc 2>/dev/null
printf '\000\000\000\000' | dd of=s.cur bs=1 seek=10 conv=notrunc 2>/dev/null
# Blocks of #C03020 and #2040A0, lossy; a GIF whose left half is transparent;
# red, transparent and blue at alpha 0x80; a 32-bit BMP whose unused bytes are no alpha.
convert -size 8x8 xc:'#C03020' -size 8x8 xc:'#2040A0' +append -sampling-factor 1x1 -quality 100 s.jpg
convert -size 2x2 xc:none -size 2x2 xc:blue +append tr.gif
convert -size 1x1 xc:red xc:none xc:'#0000FF80' +append png32:a.png
convert -size 3x2 xc:'#FF000080' -define bmp3:alpha=true bmp3:x.bmp
convert -size 3x2 xc:black -fill white -draw 'point 1,0' -draw 'point 2,0' -fill red -draw 'point 0,1' \
  -draw 'point 1,1' -type TrueColor bmp3:p.bmp
convert -size 600x400 xc: -channel R -fx 'i%256/255' -channel G -fx 'j%256/255' -channel B -fx '(i*7+j*3)%256/255' \
  +channel -type TrueColor bmp3:busy.bmp
echo 'these are not the pixels you are looking for' > notes.jpg
: > empty.bmp
