#!/usr/bin/env bash
# Usage: check_exports.sh nm|OBJDUMP LIBRARY   (OBJDUMP: a MinGW objdump, for a DLL)
# Passes when LIBRARY exports the twelve TD_ functions, decorated, and no
# other symbol.
set -euo pipefail
tool=$1 library=$2
if [ "$tool" = nm ]; then
  exported=$(nm -D --defined-only "$library" | awk '{print $3}' | sort)
else
  exported=$("$tool" -p "$library" |
    awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && NF==0 {on=0} on {print $NF}' | sort)
fi
expected="TD_TransAddUdr TD_TransClose TD_TransExtensionSupported TD_TransGetFile TD_TransGetLanguage
TD_TransGetTDDFiles TD_TransGetTDDLanguage TD_TransOpen TD_TransOpenPrim TD_TransOpenSec TD_TransOptions TD_Translate"
status=0
count=$(grep -c . <<<"$exported" || true)
if [ "$count" -ne 12 ]; then
  echo "expected 12 exported symbols, found $count:"; printf '%s\n' "$exported"; status=1
fi
for name in $expected; do
  # Decorated (Itanium) names carry the length of the name: _Z12TD_TransOpen...
  if ! grep -q "^_Z${#name}${name}" <<<"$exported"; then
    echo "missing decorated export: $name"; status=1
  fi
done
exit $status
