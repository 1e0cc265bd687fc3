#!/bin/sh
# Makes the sample image and table in a scratch folder, runs the tool there
# and shows its Shift-JIS output as UTF-8.
#   demo.sh TOLMSG MAKE_SAMPLE_ROM EXAMPLES_DIR SCRATCH_DIR
set -eu
tolmsg=$1 make_sample_rom=$2 examples=$3 scratch=$4
"$make_sample_rom" "$examples/tol.tbl.txt" "$examples/script.txt" "$scratch"
cd "$scratch"
"$tolmsg" sample.z64 > output.sjis
iconv -f CP932 -t UTF-8 output.sjis
