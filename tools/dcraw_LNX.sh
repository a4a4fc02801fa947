#!/bin/sh
# Decodes a camera RAW file with dcraw into an ordinary image file.
#   dcraw_LNX.sh <raw file> <output file> <dcraw program> <dcraw mode flag>
# "-e" writes the camera's embedded preview JPEG, "-w" a full decoding (camera white balance) as PPM.
# exec hands the process over to dcraw, so that killing this script's process stops the decoding.
[ "$#" -eq 4 ] || exit 2
exec "$3" "$4" -c "$1" > "$2"
