#!/bin/sh
# Many plcalc runs saving into one folder at once, some into the same name:
# every file ends up whole, is one of the threads saved, and opens again.
# Usage: parallel_saves.sh PLCALC TABLES
set -u
plcalc=$1
tables=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "parallel_saves: $*" >&2; exit 1; }

# Four threads with the same keys, so a save over another's file leaves no
# key of the other behind.
thread() {
    case $1 in
    0) echo "--dia 1/4 --tpi 20 --class 2" ;;
    1) echo "--dia 1/2 --tpi 13 --class 3" ;;
    2) echo "--dia 0.2997495 --tpi 20 --class 2 --coating 0.0001" ;;
    3) echo "--dia #10 --tpi 32 --class 2 --starts 2" ;;
    esac
}
save() { # variant file
    # shellcheck disable=SC2046
    "$plcalc" --tables "$tables" --type UN $(thread "$1") --save "$2" >/dev/null
}

for k in 0 1 2 3; do save "$k" "$dir/ref$k.thd" || fail "reference $k not saved"; done
mkdir "$dir/p"
i=0
while [ $i -lt 200 ]; do
    save $((i % 4)) "$dir/p/t$i.thd" &
    i=$((i + 1))
done
i=0
while [ $i -lt 12 ]; do
    save $((i % 4)) "$dir/p/same.thd" &
    i=$((i + 1))
done
wait

[ "$(ls -A "$dir/p" | wc -l)" -eq 201 ] || fail "$(ls -A "$dir/p" | grep -v '^t[0-9]*\.thd$')"
i=0
while [ $i -lt 200 ]; do
    cmp -s "$dir/p/t$i.thd" "$dir/ref$((i % 4)).thd" || fail "t$i.thd is not the thread saved"
    i=$((i + 1))
done
same=
for k in 0 1 2 3; do cmp -s "$dir/p/same.thd" "$dir/ref$k.thd" && same=$k; done
[ -n "$same" ] || fail "same.thd is none of the threads saved"
# Opening gives the same pages as the thread it was saved from.
for f in t0 t1 t2 t3 same; do
    "$plcalc" --tables "$tables" --open "$dir/p/$f.thd" >"$dir/open.txt" || fail "$f.thd not opened"
    k=${f#t}
    [ "$f" = same ] && k=$same
    "$plcalc" --tables "$tables" --open "$dir/ref$k.thd" | sed "s/ref$k\.thd/$f.thd/g" >"$dir/ref.txt"
    cmp -s "$dir/open.txt" "$dir/ref.txt" || fail "$f.thd opens as another thread"
done
exit 0
