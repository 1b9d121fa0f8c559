#!/usr/bin/env bash
# fuzz/make-corpus.sh: rebuilds the starting inputs of every fuzz target from the
# real resources and the hand-written cases already committed, then
# keeps only the inputs that add coverage (libFuzzer's -merge=1).
#   stringtofloat  every value text of the 112 catalogue records
#   rtf            the 112 descriptions and every rich-text value
#   avi            the atom animation
#   catalogue      each element's record and description, as the target reads
#                  them: a byte for the number, the JSON, a NUL, the RTF
# The descriptions are the RTF documents the program's build writes (BUILD_DIR,
# default build/). Run after the resources change; commit fuzz/corpus/.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$HERE/..
BUILD=${FUZZ_BUILD_DIR:-$ROOT/build/fuzz}
DOCUMENTS=${BUILD_DIR:-$ROOT/build}/resources/catalogue
if ! ls "$DOCUMENTS"/001.rtf >/dev/null 2>&1; then
  echo "no descriptions in $DOCUMENTS: build the program first" >&2; exit 1
fi
if [ ! -f "$BUILD/build.ninja" ]; then
  CXX=clang++ cmake -S "$HERE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" >/dev/null

raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
python3 - "$ROOT/resources" "$DOCUMENTS" "$raw" <<'PY'
import hashlib, json, pathlib, sys
resources, documents, raw = (pathlib.Path(a) for a in sys.argv[1:4])
def put(target, data):
    folder = raw / target
    folder.mkdir(exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)
for record in sorted((resources / "catalogue").glob("*.json")):
    description = documents / (record.stem + ".rtf")
    number = int(record.stem)
    put("catalogue", bytes([number - 1]) + record.read_bytes() + b"\0" + description.read_bytes())
    put("rtf", description.read_bytes())
    for value in json.loads(record.read_text(encoding="utf-8")).values():
        if isinstance(value, str) and value:
            put("stringtofloat", value.encode("utf-8"))
            if "{\\" in value:
                put("rtf", value.encode("cp1250", errors="replace"))
put("avi", (resources / "pictures" / "atom.avi").read_bytes())
PY

for target in "$BUILD"/fuzz_*; do
  name=${target##*/fuzz_}
  corpus=$HERE/corpus/$name
  mkdir -p "$corpus" "$raw/$name"
  cp "$corpus"/* "$raw/$name/" 2>/dev/null || true # the hand-written cases stay candidates
  rm -rf "$corpus.new" && mkdir "$corpus.new"
  "$target" -merge=1 -max_len=200000 "$corpus.new" "$raw/$name" >/dev/null 2>&1
  rm -rf "$corpus" && mv "$corpus.new" "$corpus"
  echo "corpus $name: $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB from $(ls "$raw/$name" | wc -l) candidates"
done
