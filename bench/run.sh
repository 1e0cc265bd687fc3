#!/usr/bin/env bash
# Measures one whole run of tolmsg on the benchmark workload against the floor
# program (which only reads the message region and writes it out again) and
# prints one table; then the cost per byte of the decoding loop on larger
# regions. Run from the repository's root:
#
#   bash bench/run.sh
#
# Needs valgrind, strace, GNU time and hyperfine; installs the missing ones
# with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
for tool in valgrind:valgrind strace:strace /usr/bin/time:time hyperfine:hyperfine; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
  apt-get update -q && apt-get install -y -q "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build --preset default --target tolmsg tolmsg_floor make_workload dump_messages_bench >/dev/null
bin="$PWD/build/default"
work="$bin/bench/workload"
"$bin/bench/make_workload" "$work"
cd "$work"   # the tool reads tol.tbl from here

tolmsg=("$bin/tolmsg" workload.z64)
floor=("$bin/bench/tolmsg_floor" workload.z64)
"${tolmsg[@]}" > tolmsg.out
"${floor[@]}" > floor.out

instructions() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
                 sed -n 's/.*Collected : \([0-9]*\).*/\1/p'; }
syscalls() { strace -f -c -o strace.txt "$@" >/dev/null && awk '$NF == "total" {print $4}' strace.txt; }
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

hyperfine -N --style none --warmup 50 --runs 500 --export-json times.json \
  "${tolmsg[*]}" "${floor[*]}" >/dev/null
median_ms() { python3 -c "import json,sys; r=json.load(open('times.json'))['results'][$1]; print('%.3f' % (r['median']*1000))"; }

row() { # name, tolmsg figure, floor figure
  python3 -c "import sys; t,f=float(sys.argv[2]),float(sys.argv[3]); print('| %s | %s | %s | %.2f |' % (sys.argv[1], sys.argv[2], sys.argv[3], t/f))" "$@"; }

echo "Workload: $(stat -c %s workload.z64)-byte image, message region of $((0xFC4932 - 0xFB5C54 + 1)) bytes," \
     "$(stat -c %s tolmsg.out) bytes of text out"
echo
echo "| measure | tolmsg | floor | ratio |"
echo "|---|---|---|---|"
row "instructions, one run (callgrind)" "$(instructions "${tolmsg[@]}")" "$(instructions "${floor[@]}")"
row "system calls (strace -c)" "$(syscalls "${tolmsg[@]}")" "$(syscalls "${floor[@]}")"
row "peak memory, KiB (time -v)" "$(peak_kib "${tolmsg[@]}")" "$(peak_kib "${floor[@]}")"
row "wall time, median ms (hyperfine)" "$(median_ms 0)" "$(median_ms 1)"
echo
echo "Decoding loop alone, by region size (Google Benchmark):"
"$bin/bench/dump_messages_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E 'median|Benchmark|^-'
