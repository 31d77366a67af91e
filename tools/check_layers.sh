#!/usr/bin/env bash
# The folders under src/ are the architecture: each may include only from itself and the folders
# below it. Prints every include that reaches upwards and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(core world physics presentation gameplay app)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
status=0
while IFS= read -r file; do
  own=$(rank "$(echo "$file" | cut -d/ -f2)")
  while IFS= read -r line; do
    target=$(echo "$line" | sed -E 's/^([0-9]+):#include "([a-z]+)\/.*/\2/')
    number=${line%%:*}
    if [ "$(rank "$target")" -gt "$own" ]; then
      echo "$file:$number: includes from $target, a layer above its own"
      status=1
    fi
  done < <(grep -nE '^#include "[a-z]+/' "$file" || true)
done < <(find src -name '*.h' -o -name '*.cpp' | sort)
exit $status
