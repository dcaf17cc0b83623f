#!/usr/bin/env bash
# check-dll.sh DLL: the export table and imports a host relies on, read with objdump.
set -eu
dll=$1
dump=$(objdump -p "$dll")
fail=0
# Export: exactly one, DoSurveyV2 at ordinal 1 (ordinal base 1, name index 0).
names=$(printf '%s\n' "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' || true)
if ! printf '%s\n' "$dump" | grep -qE '^Ordinal Base\s+1$' ||
   ! printf '%s\n' "$dump" | grep -qE 'Export Address Table\s+00000001$' ||
   [ "$(printf '%s' "$names" | tr -s ' \t' ' ')" != " [ 0] DoSurveyV2" ]; then
  echo "expected exactly DoSurveyV2 at ordinal 1, found:"; printf '%s\n' "$names"; fail=1
fi
# Imports: Windows system DLLs only.
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|msvcrt|VERSION)\.dll$'
while read -r name; do
  if ! printf '%s\n' "$name" | grep -qiE "$allowed"; then echo "unexpected import: $name"; fail=1; fi
done < <(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p')
[ $fail = 0 ] && echo "survey.dll: DoSurveyV2 @1; imports: $(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
exit $fail
