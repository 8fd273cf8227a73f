# Sourced by the Windows end-to-end test: pictures of a window as binary PPM ("P6", width,
# height, 255, then RGB bytes) and what it reads from them. Expects an x function that bounds a
# call into X.

screenshot() { x import -window "$1" -depth 8 "ppm:$2"; }

ppm_width() { head -n 2 "$1" | tail -n 1 | cut -d ' ' -f 1; }
ppm_header_bytes() { head -n 3 "$1" | wc -c; }

# The colour of one pixel (x y) as "R G B".
pixel() {
  local offset=$(($(ppm_header_bytes "$1") + ($3 * $(ppm_width "$1") + $2) * 3))
  od -An -tu1 -j "$offset" -N 3 "$1" | xargs
}

# A digest of a rectangle (left top width height), to see whether it changed.
region_digest() {
  local file=$1 left=$2 top=$3 width=$4 height=$5 row
  local header stride
  header=$(ppm_header_bytes "$file")
  stride=$(($(ppm_width "$file") * 3))
  for ((row = top; row < top + height; row++)); do
    od -An -tx1 -j $((header + row * stride + left * 3)) -N $((width * 3)) "$file"
  done | md5sum
}
