#!/usr/bin/env bash
# cardgen-cli against `pwgen -s 8 N`, side by side, per credential, all output to
# /dev/null. pwgen is only needed here: apt-get install pwgen (hyperfine is used
# when present, plain timing otherwise).
#
#   bench/cli/cli-vs-pwgen.sh [path/to/cardgen-cli]
#
# CLI_COUNT (default 10000000) lines per cardgen-cli run, PWGEN_COUNT (default
# 1000000) passwords per pwgen run (it is far slower), RUNS (default 3) runs each.
set -euo pipefail

cli=${1:-build/release/src/cli/cardgen-cli}
cli_count=${CLI_COUNT:-10000000}
pwgen_count=${PWGEN_COUNT:-1000000}
runs=${RUNS:-3}

if [[ ! -x "$cli" ]]; then
    echo "error: no cardgen-cli at $cli; build it (make bench) or pass its path" >&2
    exit 1
fi
if ! command -v pwgen >/dev/null; then
    echo "error: pwgen is missing; install it for this benchmark: apt-get install pwgen" >&2
    exit 1
fi

# name | credentials per run | command
cases=(
    "cardgen-cli digits, length 8|$cli_count|$cli --count $cli_count --mode digits --length 8"
    "cardgen-cli mixed, length 8|$cli_count|$cli --count $cli_count --mode mixed --length 8"
    "cardgen-cli digits 8 --unique|$cli_count|$cli --count $cli_count --length 8 --unique"
    "pwgen -s 8|$pwgen_count|pwgen -s 8 $pwgen_count"
)

# Mean wall seconds of one command over the runs.
mean_seconds() {
    local command=$1
    if command -v hyperfine >/dev/null; then
        local csv
        csv=$(mktemp)
        hyperfine --style none --warmup 1 --runs "$runs" --output null --export-csv "$csv" "$command" >/dev/null
        awk -F, 'NR == 2 { print $2 }' "$csv"
        rm -f "$csv"
    else
        local total=0 start end
        for ((i = 0; i < runs; i++)); do
            start=$(date +%s%N)
            $command >/dev/null
            end=$(date +%s%N)
            total=$((total + end - start))
        done
        awk -v ns="$total" -v runs="$runs" 'BEGIN { printf "%.6f\n", ns / runs / 1e9 }'
    fi
}

printf '%-32s %12s %10s %12s %14s\n' "command" "credentials" "seconds" "ns/credential" "credentials/s"
for entry in "${cases[@]}"; do
    IFS='|' read -r name count command <<<"$entry"
    seconds=$(mean_seconds "$command")
    awk -v name="$name" -v n="$count" -v s="$seconds" \
        'BEGIN { printf "%-32s %12d %10.3f %12.1f %14.0f\n", name, n, s, s * 1e9 / n, n / s }'
done
