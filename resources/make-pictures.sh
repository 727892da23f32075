#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick. The pictures are committed; run this again
# only to change them (needs imagemagick, fonts-comic-neue, librsvg2-bin and python3).
set -euo pipefail
cd "$(dirname "$0")"
font=$(fc-match -f '%{file}' 'Comic Neue:bold')
# The practice window's pictures are drawn as PNGs here, then stored as bare pixels.
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT

# Each picture is drawn once per pixel ratio: at 1 for ordinary screens and at 2, into
# NAME@2x.rgba, for screens that show two device pixels to the point. The drawing commands are
# written in the pictures' own 1x coordinates; at ratio r every draw primitive goes through the
# affine transform "r 0 0 r t t" with t = (r - 1) / 2, which maps the centre of a 1x pixel onto
# the centre of its r x r block, and sizes, text and gradients are multiplied by r.
draw_pictures() {
    local r=$1 suffix=$2
    local t; t=$(awk "BEGIN { print ($r - 1) / 2 }")
    local a="affine $r,0,0,$r,$t,$t"
    times() { awk -v r="$r" -v v="$1" 'BEGIN { print v * r }'; }
    size() { echo "$(times "${1%x*}")x$(times "${1#*x}")"; }
    centre() { awk -v r="$r" -v t="$t" -v v="$1" 'BEGIN { print v * r + t }'; }

    # Open a board: a folder with a sheet of words.
    convert -size "$(size 32x32)" xc:none \
        -fill '#f4c542' -stroke '#8a6d1c' -draw "$a roundrectangle 2,8 29,28 2,2" \
        -fill white -stroke '#777777' -draw "$a rectangle 7,4 24,20" \
        -stroke '#2a5db0' -draw "$a line 10,9 21,9" -draw "$a line 10,13 21,13" -draw "$a line 10,17 18,17" \
        -fill '#ffd95a' -stroke '#8a6d1c' -draw "$a polygon 2,14 12,14 14,12 29,12 29,28 2,28" $drawn/abrir.png

    # Exercises: an open book with an accent mark.
    convert -size "$(size 32x32)" xc:none \
        -fill white -stroke '#1f3f7a' -strokewidth 1.5 \
        -draw "$a polygon 2,8 15,11 15,29 2,26" -draw "$a polygon 30,8 17,11 17,29 30,26" \
        -stroke '#c0392b' -strokewidth 3 -draw "$a line 19,7 24,1" $drawn/ejercicios.png

    # Send the results: an envelope.
    convert -size "$(size 24x24)" xc:none \
        -fill '#fdfdf5' -stroke '#1f3f7a' -strokewidth 1.5 -draw "$a rectangle 2,5 21,19" \
        -fill none -draw "$a polyline 2,5 12,13 21,5" $drawn/enviar.png

    # Leave: a door with an arrow.
    convert -size "$(size 32x32)" xc:none \
        -fill '#9c5a2b' -stroke '#5c3216' -draw "$a rectangle 5,3 19,29" \
        -fill '#e0b040' -stroke none -draw "$a circle 16,16 17,17" \
        -stroke '#c0392b' -strokewidth 3 -draw "$a line 20,16 29,16" \
        -fill '#c0392b' -stroke none -draw "$a polygon 30,16 24,11 24,21" $drawn/salir.png

    # Save the results as PDF: a sheet with its corner folded and a red band.
    convert -size "$(size 24x24)" xc:none \
        -fill '#fdfdf5' -stroke '#1f3f7a' -strokewidth 1.5 -draw "$a polygon 4,2 15,2 20,7 20,22 4,22 4,2" \
        -fill '#dde6f5' -draw "$a polygon 15,2 15,7 20,7" \
        -fill '#c0392b' -stroke none -draw "$a rectangle 2,12 17,18" $drawn/guardar.png

    # The banner of the tool bar.
    convert -size "$(size 381x45)" gradient:'#1f3f7a'-'#3d7cc9' \
        -font "$font" -pointsize "$(times 30)" -fill '#ffe14d' -gravity west -annotate "+$(times 14)+0" 'Tildora' \
        -pointsize "$(times 16)" -fill white -annotate "+$(times 150)+$(times 2)" 'Practica la acentuación' \
        $drawn/banner.png

    # The student beside the score strip.
    convert -size "$(size 81x113)" xc:'#004080' \
        -fill '#f2c9a0' -stroke '#5c3216' -draw "$a circle 40,30 40,14" \
        -fill '#2a5db0' -stroke '#102a55' -draw "$a roundrectangle 18,50 62,108 8,8" \
        -fill white -stroke '#555555' -draw "$a rectangle 26,64 54,92" \
        -fill '#c0392b' -stroke none -font "$font" -pointsize "$(times 22)" -gravity center \
        -annotate "+0+$(times 22)" 'á' $drawn/alumno.png

    # The medal on the score strip: a gold disc carrying an "á" on a ribbon, between three stars.
    convert -size "$(size 129x89)" xc:none \
        -stroke none -fill '#c0392b' -draw "$a polygon 43.9,1.8 64.5,1.8 74.8,40.1 56.8,44.5" \
        -fill '#2a7dd6' -draw "$a polygon 64.5,1.8 85.1,1.8 72.2,44.5 54.2,40.1" \
        \( -size "$(size 129x89)" -define gradient:center="$(centre 55.6),$(centre 49.4)" \
           -define gradient:radii="$(times 37.4),$(times 37.4)" \
           radial-gradient:'#fff19c'-'#d49b12' \
           \( -size "$(size 129x89)" xc:black -fill white -draw "$a circle 64.5,58.3 64.5,31.6" \) \
           -alpha off -compose copy_opacity -composite \) -compose over -composite \
        -fill none -stroke '#8a5c00' -strokewidth 2 -draw "$a circle 64.5,58.3 64.5,31.6" \
        -stroke '#b07a05' -strokewidth 1 -draw "$a circle 64.5,58.3 64.5,37.5" \
        -stroke none -fill '#1f3f7a' -font "$font" -pointsize "$(times 34)" -gravity center \
        -annotate "+0+$(times 14)" 'á' \
        -fill '#ffff40' \
        -draw "$a polygon 18.1,39.2 15.5,45.4 8.7,45.9 13.9,50.3 12.3,56.9 18.1,53.4 23.8,56.9 22.2,50.3 27.4,45.9 20.6,45.4" \
        -draw "$a polygon 110.9,30.3 109.1,34.8 104.2,35.2 107.9,38.4 106.8,43.1 110.9,40.6 115.1,43.1 114.0,38.4 117.7,35.2 112.8,34.8" \
        -draw "$a polygon 105.8,65.9 104.4,69.3 100.7,69.5 103.5,71.9 102.6,75.5 105.8,73.6 108.9,75.5 108.1,71.9 110.9,69.5 107.2,69.3" \
        $drawn/medalla.png

    # ImageMagick writes 16 bits a channel; 8 bits are all these colours need.
    for picture in abrir ejercicios enviar salir guardar banner medalla; do
        convert $drawn/$picture.png -depth 8 PNG32:$drawn/$picture.png
    done
    convert $drawn/alumno.png -depth 8 PNG24:$drawn/alumno.png
    for picture in abrir ejercicios enviar salir guardar banner medalla alumno; do
        python3 picture-files.py raw $drawn/$picture.png $picture$suffix.rgba
    done
}

draw_pictures 1 ''
draw_pictures 2 '@2x'

# The program's icon, drawn once as a vector (icons/tildora.svg) and rendered at the sizes the
# desktop asks for; the 48-pixel one is also the windows' icon, stored without colour chunks
# or row filters.
for size in 48 128 256; do
    rsvg-convert -w $size -h $size icons/tildora.svg -o icons/tildora-$size.png
done
python3 picture-files.py plain icons/tildora-48.png tildora.png
