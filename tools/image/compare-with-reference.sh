#!/usr/bin/env bash
# Decodes pictures of every supported kind with burrowix-image and with ImageMagick's convert and
# reports, per file, how many pixels differ (JPEG also the largest channel difference).
#   tools/image/compare-with-reference.sh BUILD_DIR [PICTURE...]
# Without pictures, makes its own set from one synthetic image, in each depth and layout the game's
# decoders accept. Exits non-zero when a lossless picture differs or a decoder fails.
set -euo pipefail
build=$1; shift
tool="$build/game/burrowix-image"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
status=0

if [[ $# -eq 0 ]]; then
  # 97 x 61 (odd sizes exercise row padding): colour gradients with noise on top.
  convert -size 97x61 gradient:red-blue \( -size 97x61 plasma:fractal -seed 7 \) \
          -compose blend -define compose:args=50 -composite "$work/src.ppm"
  m="$work/src.ppm"
  convert "$m" -colors 256 "$work/c256.gif"
  convert "$m" -colors 16 "$work/c16.gif"
  convert "$m" -monochrome "$work/mono.gif"
  convert "$m" -colors 200 -interlace GIF "$work/interlaced.gif"
  convert "$m" -compress None "$work/rgb24.tga"
  convert "$m" -compress RLE "$work/rgb24rle.tga"
  convert "$m" -alpha set -compress None "$work/rgba32.tga"
  convert "$m" -alpha set -compress RLE "$work/rgba32rle.tga"
  convert "$m" -colors 100 -type Palette -compress None "$work/mapped.tga"
  convert "$m" -colors 100 -type Palette -compress RLE "$work/mappedrle.tga"
  convert "$m" -colorspace Gray -type Grayscale -compress None "$work/grey.tga"
  convert "$m" -colorspace Gray -type Grayscale -compress RLE "$work/greyrle.tga"
  convert "$m" -orient TopLeft -compress None "$work/topdown.tga"
  convert "$m" -orient TopRight -compress RLE "$work/mirrored.tga"
  convert "$m" -orient BottomRight -compress None "$work/mirroredbottomup.tga"
  convert "$m" "$work/rgb.pcx"
  convert "$m" -colors 256 -type Palette "$work/c256.pcx"
  convert "$m" -monochrome "$work/mono.pcx"
  convert "$m" -colors 16 "$work/c16.pcx"
  convert "$m" -quality 90 "$work/colour.jpg"
  convert "$m" -quality 75 -sampling-factor 2x2 "$work/subsampled.jpeg"
  convert "$m" -colorspace Gray "$work/grey.jpg"
  convert "$m" -interlace JPEG "$work/progressive.jpg"
  convert "$m" -colorspace CMYK "$work/cmyk.jpg"
  convert "$m" BMP3:"$work/rgb24.bmp"
  convert "$m" -colors 256 -type Palette BMP3:"$work/c256.bmp"
  convert "$m" -colors 16 -type Palette BMP3:"$work/c16.bmp"
  convert "$m" -monochrome BMP3:"$work/mono.bmp"
  convert "$m" -alpha set BMP:"$work/rgba32.bmp"
  set -- "$work"/*.gif "$work"/*.tga "$work"/*.pcx "$work"/*.jpg "$work"/*.jpeg "$work"/*.bmp
fi

for f in "$@"; do
  name=$(basename "$f")
  if ! "$tool" "$f" "$work/ours.ppm" 2>"$work/err"; then
    echo "FAIL $name: $(cat "$work/err")"; status=1; continue
  fi
  # -auto-orient: the reference keeps a picture's rows as stored and records the orientation
  # separately; this applies it (TGA origin and mirror bits).
  convert "$f[0]" -auto-orient -alpha off -colorspace sRGB -depth 8 "$work/ref.ppm"
  diff=$(compare -metric AE "$work/ours.ppm" "$work/ref.ppm" null: 2>&1 || true)
  case "$name" in
    *.jpg|*.jpeg|*.JPG|*.JPEG)
      peak=$(compare -metric PAE "$work/ours.ppm" "$work/ref.ppm" null: 2>&1 || true)
      echo "jpeg $name: $diff pixels differ, peak $peak" ;;
    *)
      if [[ "$diff" == "0" ]]; then echo "same $name"; else echo "DIFF $name: $diff pixels"; status=1; fi ;;
  esac
done
exit $status
