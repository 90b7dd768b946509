#!/bin/sh
# Contact sheet of the nine music tracks: waveform and spectrogram of each.
#   revue.sh <revue_sons program> <folder of .ogg files> <output.png>
set -e
outil=$1; sons=$2; sortie=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
liste=""
for id in titre jeu1 jeu2 jeu3 jeu4 duel urgence continue record; do
  "$outil" "$sons/$id.ogg" "$tmp/$id-onde.pgm" 900 90
  sox "$sons/$id.ogg" -n remix - spectrogram -x 900 -y 160 -z 80 -r -o "$tmp/$id-spectre.png"
  convert "$tmp/$id-onde.pgm" "$tmp/$id-spectre.png" -append \
    -gravity north -splice 0x18 -annotate +0+2 "$id" "$tmp/$id.png"
  liste="$liste $tmp/$id.png"
done
montage $liste -tile 3x -geometry +6+6 -background '#202020' "$sortie"
