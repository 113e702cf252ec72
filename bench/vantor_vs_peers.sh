#!/usr/bin/env bash
# End-to-end comparison of the vantor command-line tool with aspell and hunspell on the same
# input in the same locale:
#   - checking a few megabytes of English prose (vantor check / aspell list / hunspell -l):
#     words per second and peak memory;
#   - suggesting for a few hundred real misspellings (vantor suggest --stdin in both rankings,
#     --rank=spec and --rank=best / aspell -a / hunspell -a): milliseconds per word, how often the
#     intended word comes first and in the first five, and peak memory.
# The commands take turns for ROUNDS rounds (default 5), so that a slow spell of the machine falls
# on all of them alike; in each round a command runs twice in a row, so that it also runs once
# after itself, caches warm, as it would back to back. Each one's best wall time counts.
# The prose is Debian's fortunes collection (quotations, jokes and literature excerpts); the
# misspellings are the typing-error pairs of dict/correct.tlx, sampled evenly. vantor runs
# without user dictionaries here, so correct.tlx's own pairs cannot answer for it.
# Installs its peers itself (they are not part of the test command). Usage:
#   bench/vantor_vs_peers.sh [BUILD_DIR]      (default build/bench, configured Release)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-$root/build/bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

peers=(aspell aspell-en hunspell hunspell-en-us time fortunes)
missing=()
for p in "${peers[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vantor dictionaries >/dev/null
vantor=$build/bin/vantor

# ---- inputs ----
prose=$work/prose.txt
for f in /usr/share/games/fortunes/*; do
  case $f in *.dat|*.u8|*ascii-art*) continue ;; esac
  [ -f "$f" ] && grep -v '^%$' "$f"
done | iconv -f UTF-8 -t UTF-8 -c > "$work/once.txt"
: > "$prose"
while (($(stat -c %s "$prose") < 4000000)); do cat "$work/once.txt" >> "$prose"; done
prose_words=$(wc -w < "$prose")
prose_bytes=$(stat -c %s "$prose")

pairs=$work/pairs.tsv  # misspelling TAB intended word
tr -d '\r' < dict/correct.tlx |
  awk -F'\t' 'NR > 1 && $0 !~ /^#/ && NF == 2 && $2 ~ /^[aA][^ ]+$/ { print $1 "\t" substr($2, 2) }' |
  iconv -f CP1252 -t UTF-8 > "$work/all_pairs.tsv"
total_pairs=$(wc -l < "$work/all_pairs.tsv")
step=$(( total_pairs / 400 > 0 ? total_pairs / 400 : 1 ))
awk -v step="$step" 'NR % step == 0' "$work/all_pairs.tsv" | head -400 > "$pairs"
cut -f1 "$pairs" > "$work/wrong.txt"
sed 's/^/^/' "$work/wrong.txt" > "$work/wrong_pipe.txt"
pair_count=$(wc -l < "$pairs")

# ---- measuring ----
rounds=${ROUNDS:-5}
declare -A best wps mem msw first five
# time_once NAME COMMAND...: one run (commands read no standard input), standard output to
# $work/NAME.out; keeps the best wall time in milliseconds.
time_once() {
  local name=$1; shift
  local start end elapsed
  start=$(date +%s%N)
  "$@" > "$work/$name.out" 2> "$work/$name.err" || true
  end=$(date +%s%N)
  elapsed=$(( (end - start) / 1000000 ))
  if [ -z "${best[$name]:-}" ] || ((elapsed < best[$name])); then best[$name]=$elapsed; fi
}
# peak_of NAME COMMAND...: peak memory (kB, from /usr/bin/time -v of one run).
peak_of() {
  local name=$1; shift
  /usr/bin/time -v -o "$work/$name.time" "$@" > /dev/null 2>&1 || true
  mem[$name]=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/$name.time")
}
seconds_of() { awk -v ms="${best[$1]}" 'BEGIN { printf "%.3f", ms / 1000 }'; }

# Scores answers ("word TAB - TAB s1 TAB s2 ..." lines in pair order): after pasting them to the
# pairs, the intended word is field 2 and the suggestions start at field 5.
score_answers() {  # name answers-file
  local name=$1 answers=$2
  read -r first[$name] five[$name] < <(paste "$pairs" "$answers" | awk -F'\t' '
    { intended = $2; f = 0; t = 0
      for (i = 5; i <= NF && i < 10; i++) if ($i == intended) { t = 1; if (i == 5) f = 1 }
      firsts += f; fives += t }
    END { printf "%d %d\n", firsts, fives }')
}

# vantor suggest: word, flags, suggestions; keep word and suggestions.
parse_vantor() { awk -F'\t' '{ line = $1 "\t-"; for (i = 3; i <= NF; i++) line = line "\t" $i; print line }' "$1"; }
# ispell protocol: one answer block per "^word" line; the answer line is the first of the block.
parse_ispell() {
  awk 'NR == 1 { next }
       /^$/ { if (!have) print word "\t-"; have = 0; next }
       have { next }
       /^&/ { have = 1; split($0, head, ":"); split(head[1], f, " "); rest = substr($0, length(head[1]) + 3)
              n = split(rest, s, ", "); line = f[2] "\t-"; for (i = 1; i <= n; i++) line = line "\t" s[i]; print line; next }
       { have = 1; print "-\t-" }' "$1"
}

# Each command as an array named cmd_NAME, in the order they take turns.
commands=(vantor_check aspell_list hunspell_l vantor_suggest vantor_suggest_best aspell_a hunspell_a)
cmd_vantor_check=("$vantor" check --no-suggestions "$prose")
cmd_aspell_list=(sh -c "aspell list --lang=en_US < '$prose'")
cmd_hunspell_l=(hunspell -d en_US -l "$prose")
cmd_vantor_suggest=(sh -c "'$vantor' suggest --stdin --user '' --rank=spec < '$work/wrong.txt'")
cmd_vantor_suggest_best=(sh -c "'$vantor' suggest --stdin --user '' --rank=best < '$work/wrong.txt'")
cmd_aspell_a=(sh -c "aspell -a --lang=en_US < '$work/wrong_pipe.txt'")
cmd_hunspell_a=(sh -c "hunspell -a -d en_US < '$work/wrong_pipe.txt'")
for _ in $(seq "$rounds"); do
  for n in "${commands[@]}"; do
    declare -n command="cmd_$n"
    time_once "$n" "${command[@]}"
    time_once "$n" "${command[@]}"
    unset -n command
  done
done
for n in "${commands[@]}"; do
  declare -n command="cmd_$n"
  peak_of "$n" "${command[@]}"
  unset -n command
done
for n in vantor_check aspell_list hunspell_l; do
  wps[$n]=$(awk -v w="$prose_words" -v s="$(seconds_of $n)" 'BEGIN { printf "%.0f", w / (s > 0 ? s : 0.001) }')
done
suggesters=(vantor_suggest vantor_suggest_best aspell_a hunspell_a)
for n in "${suggesters[@]}"; do
  msw[$n]=$(awk -v n="$pair_count" -v s="$(seconds_of $n)" 'BEGIN { printf "%.3f", s * 1000 / n }')
done
for n in vantor_suggest vantor_suggest_best; do parse_vantor "$work/$n.out" > "$work/$n.answers"; done
parse_ispell "$work/aspell_a.out" > "$work/aspell_a.answers"
parse_ispell "$work/hunspell_a.out" > "$work/hunspell_a.answers"
for n in "${suggesters[@]}"; do score_answers "$n" "$work/$n.answers"; done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "Prose: $prose_bytes bytes, $prose_words words (fortunes, repeated); $pair_count misspellings"
echo "from dict/correct.tlx. Locale $LC_ALL. Best of $rounds rounds in turn, two runs each."
echo
printf '%-22s %14s %14s\n' "checking" "words/s" "peak kB"
for n in vantor_check aspell_list hunspell_l; do printf '%-22s %14s %14s\n' "$n" "${wps[$n]}" "${mem[$n]}"; done
echo
printf '%-22s %10s %10s %10s %10s\n' "suggesting" "ms/word" "first" "top five" "peak kB"
for n in "${suggesters[@]}"; do
  printf '%-22s %10s %9s%% %9s%% %10s\n' "$n" "${msw[$n]}" \
    "$(awk -v a="${first[$n]}" -v n="$pair_count" 'BEGIN { printf "%.1f", 100 * a / n }')" \
    "$(awk -v a="${five[$n]}" -v n="$pair_count" 'BEGIN { printf "%.1f", 100 * a / n }')" "${mem[$n]}"
done
echo
echo "vantor as a ratio to its peers (speed above 1 = faster; memory and ms/word below 1 = less;"
echo "suggesting with --rank=spec, then --rank=best):"
for peer in aspell hunspell; do
  c=$([ $peer = aspell ] && echo aspell_list || echo hunspell_l)
  s=$([ $peer = aspell ] && echo aspell_a || echo hunspell_a)
  echo "  vs $peer: check speed $(ratio "${wps[vantor_check]}" "${wps[$c]}")," \
       "check memory $(ratio "${mem[vantor_check]}" "${mem[$c]}")"
  for v in vantor_suggest vantor_suggest_best; do
    echo "    $v: ms/word $(ratio "${msw[$v]}" "${msw[$s]}")," \
         "first $(ratio "${first[$v]}" "${first[$s]}")," \
         "top five $(ratio "${five[$v]}" "${five[$s]}")," \
         "suggest memory $(ratio "${mem[$v]}" "${mem[$s]}")"
  done
done
