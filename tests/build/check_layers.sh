# The source folders include downwards only: app, presentation, menus, then
# launch and model side by side (neither includes the other), framework,
# common. A file of a lower folder that includes one of a higher is named.
#   check_layers.sh SOURCE-DIR
set -euo pipefail
cd "$1/src"
declare -A rank=([common]=0 [framework]=1 [model]=2 [launch]=2 [menus]=3 [presentation]=4 [app]=5)
failed=0
for folder in "${!rank[@]}"; do
  while IFS=: read -r file included; do
    [ -n "$file" ] || continue
    target=${included%%/*}
    [ -n "${rank[$target]+set}" ] || continue
    if [ "${rank[$target]}" -gt "${rank[$folder]}" ] ||
       { [ "${rank[$target]}" -eq "${rank[$folder]}" ] && [ "$target" != "$folder" ]; }; then
      echo "FAIL: $file includes $included"
      failed=1
    fi
  done < <(grep -o '^#include "[a-z_]*/[a-z_./]*"' "$folder"/* | sed 's/#include "//; s/"$//')
done
[ "$failed" -eq 0 ] && echo PASS
exit "$failed"
