#!/usr/bin/env bash
# quorlan-host32's PE loader refuses every file that is not a loadable 32-bit
# x86 PE DLL with one line naming the file and the fault, a plain failure
# exit code (no signal, no crash) and nothing on standard output.
#   loader_refuses_bad_files.sh HOST32 QUORLAN_DLL WORK_DIR
# Exits 77 (skipped) when QUORLAN_DLL has not been built.
set -uo pipefail
host="$(realpath "$1")" dll="$(realpath -m "$2")" work="$(realpath -m "$3")"
[ -f "$dll" ] || { echo "skipped: $dll not built"; exit 77; }
rm -rf "$work" && mkdir -p "$work"
run=(qemu-i386 -cpu max "$host")

# put FILE OFFSET HEX...: overwrites bytes of FILE at OFFSET.
put() {
  local file="$1" offset="$2"; shift 2
  printf "$(printf '\\x%s' "$@")" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}
lfanew=$(od -An -tu4 -j 60 -N 4 "$dll" | tr -d ' ')

# name -> how the file is made (run in $work; $dll is the good DLL)
declare -A cases=(
  [missing]=":"
  [empty]=": > empty"
  [one_byte]="head -c 1 \"$dll\" > one_byte"
  [dos_header_cut]="head -c 63 \"$dll\" > dos_header_cut"
  [before_pe_header]="head -c $((lfanew + 2)) \"$dll\" > before_pe_header"
  [coff_header_cut]="head -c $((lfanew + 12)) \"$dll\" > coff_header_cut"
  [optional_header_cut]="head -c $((lfanew + 60)) \"$dll\" > optional_header_cut"
  [section_table_cut]="head -c $((lfanew + 24 + 224 + 20)) \"$dll\" > section_table_cut"
  [sections_outside]="head -c 100000 \"$dll\" > sections_outside"
  [half]="head -c $(( $(stat -c %s "$dll") / 2 )) \"$dll\" > half"
  [elf]="cp /bin/true elf"
  [garbage]="head -c 8192 /dev/zero | tr '\\0' '\\377' > garbage"
  [machine_amd64]="cp \"$dll\" machine_amd64 && put machine_amd64 $((lfanew + 4)) 64 86"
  [pe32_plus]="cp \"$dll\" pe32_plus && put pe32_plus $((lfanew + 24)) 0b 02"
  [not_a_dll]="cp \"$dll\" not_a_dll && put not_a_dll $((lfanew + 23)) 01"
  [no_pe_signature]="cp \"$dll\" no_pe_signature && put no_pe_signature $lfanew 50 58"
  [huge_image]="cp \"$dll\" huge_image && put huge_image $((lfanew + 24 + 56)) 00 00 00 7f"
)

passed=0 failed=0
for name in $(printf '%s\n' "${!cases[@]}" | sort); do
  (cd "$work" && eval "${cases[$name]}") || { echo "FAIL $name: could not make the file"; failed=$((failed + 1)); continue; }
  out="$work/$name.out" err="$work/$name.err"
  "${run[@]}" probe --dll "$work/$name" >"$out" 2>"$err"
  code=$?
  lines=$(wc -l < "$err")
  why=""
  [ "$code" -ge 1 ] && [ "$code" -lt 128 ] || why="exit code $code"
  [ -z "$why" ] && [ "$lines" -eq 1 ] || why="${why:-$lines lines on stderr}"
  [ -z "$why" ] && grep -qF "$work/$name" "$err" || why="${why:-the message does not name the file}"
  [ -z "$why" ] && [ ! -s "$out" ] || why="${why:-output on stdout}"
  if [ -z "$why" ]; then
    passed=$((passed + 1)); echo "ok   $name: $(cat "$err")"
  else
    failed=$((failed + 1)); echo "FAIL $name: $why"; sed 's/^/     /' "$err" "$out"
  fi
done
# Every cut through the headers and the section table, 13 bytes apart: the
# same refusal rule, checked where each read of the parser may fall short.
sweep_bad=""
for ((cut = 0; cut < 0x640; cut += 13)); do
  head -c "$cut" "$dll" > "$work/cut"
  "${run[@]}" probe --dll "$work/cut" >"$work/cut.out" 2>"$work/cut.err"
  code=$?
  if [ "$code" -lt 1 ] || [ "$code" -ge 128 ] || [ "$(wc -l < "$work/cut.err")" -ne 1 ] ||
     [ -s "$work/cut.out" ]; then
    sweep_bad="$sweep_bad $cut"
  fi
done
if [ -z "$sweep_bad" ]; then
  passed=$((passed + 1)); echo "ok   every header cut refused"
else
  failed=$((failed + 1)); echo "FAIL header cuts not refused cleanly at bytes:$sweep_bad"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
