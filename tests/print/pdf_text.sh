#!/bin/sh
# The base-loaded vertical's scenario through the real widgets, its
# print-outs going through the program's real printing path into a PDF: the
# last one, made after the first worked case, shows the results in the PDF's
# text layer, drawn as text and lines rather than as a picture of the screen.
set -e
runner=$1
scenario=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen QT_PRINT_TO_PDF="$out/stampa.pdf" "$runner" --qt "$scenario" >/dev/null
pdftotext -layout "$out/stampa.pdf" "$out/stampa.txt"
status=0
for text in "Gradi elettrici : 42," "Resistenza di radiazione Ohm : 5,7" "Induttanza bobina microH : 9," \
  "numero spire occorrenti : 19,2" "Frequenza in MHz." "STAMPA"; do
  grep -qF "$text" "$out/stampa.txt" || { echo "not in the print-out: $text"; status=1; }
done
# The style's small bevels may come as bitmaps; a grab of the form (about
# 600 x 400 pixels) would not.
largest=$(pdfimages -list "$out/stampa.pdf" | awk 'NR > 2 && $4 * $5 > max { max = $4 * $5 } END { print max + 0 }')
if [ "$largest" -gt 20000 ]; then
  echo "the print-out holds a picture of $largest pixels"
  status=1
fi
[ $status -eq 0 ] || cat "$out/stampa.txt"
exit $status
