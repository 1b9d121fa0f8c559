#!/usr/bin/env bash
# check_reproducible.sh GENERATOR RESOURCES
# Runs the asset generator into a fresh folder and fails when a file it
# writes is missing from RESOURCES or differs from the committed one: the
# committed pictures, animation, sounds and icons are exactly what the
# generator makes.
set -euo pipefail
generator=$1
resources=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$generator" "$out"
status=0
count=0
while IFS= read -r -d '' made; do
  relative=${made#"$out"/}
  count=$((count + 1))
  if ! cmp -s "$made" "$resources/$relative"; then
    echo "resources/$relative differs from what the generator makes"
    status=1
  fi
done < <(find "$out" -type f -print0)
[ "$count" -gt 0 ] || { echo "the generator wrote nothing"; exit 1; }
echo "$count files, each as the generator makes it"
exit $status
