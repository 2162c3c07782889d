#!/usr/bin/env bash
# `tessaline convert` under file faults, run as a user would from a shell:
# a full disk (a file size limit), standard output that cannot be written,
# pipes, links, the picture named as output, odd names, and signals.
#   OutputFaultsTests.sh TESSALINE_EXECUTABLE
set -uo pipefail
T=$(realpath "$1")
work=$(mktemp -d)
disk=$work/disk
trap 'umount "$disk" 2>/dev/null; rm -rf "$work"' EXIT
export TMPDIR=$work/tmp QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/run
mkdir -p "$TMPDIR" "$work/out" "$work/run"
chmod 700 "$work/run"
cd "$work/out"
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
expect_code() { [[ $1 == "$2" ]] || fail "$3: exit $1, expected $2"; }
# Only what the test made: no staging file, no scratch folder.
expect_clean() {
    local extra
    extra=$(ls -A "$work/out" | grep -v -x -F -f <(printf '%s\n' "${@:2}"))
    [[ -z $extra ]] || fail "$1: left behind: $extra"
    [[ -z $(ls -A "$TMPDIR") ]] || fail "$1: scratch left: $(ls -A "$TMPDIR")"
}

# A 24-bit BMP of noise.
le32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }
make_bmp() {
    local w=$2 h=$3 row=$((($2 * 3 + 3) / 4 * 4))
    { printf BM; le32 $((54 + row * h)); le32 0; le32 54; le32 40; le32 "$w"; le32 "$h"
      printf '\x01\x00\x18\x00'; le32 0; le32 $((row * h)); le32 2835; le32 2835; le32 0; le32 0
      head -c $((row * h)) /dev/urandom; } >"$1"
}
make_bmp small.bmp 64 48
make_bmp large.bmp 3000 2500
keep=(small.bmp large.bmp)
run() { "$T" convert small.bmp --width 64 "$@"; }

# Full disk: the earlier good PDF (about 50 KB) stays, exit 5 names the
# reason. A small file system where one may be mounted, else a file size
# limit above the scratch picture's size.
mkdir "$disk"
if mount -t tmpfs -o size=80k tmpfs "$disk" 2>/dev/null; then
    full=$disk/chart.pdf reason="No space left on device" limit=unlimited
else
    full=chart.pdf reason="File too large" limit=24
fi
run --pdf "$full" || fail "first pdf"
cp "$full" good.pdf
err=$( (ulimit -f $limit; trap '' XFSZ; exec "$T" convert small.bmp --width 64 --title second --pdf "$full") 2>&1)
expect_code $? 5 "pdf on a full disk"
[[ $err == *"$reason"* && $(wc -l <<<"$err") == 1 ]] || fail "full disk message: $err"
cmp -s "$full" good.pdf || fail "the earlier pdf was touched"
[[ $(ls -A "$(dirname "$full")" | grep -c '^\.') == 0 ]] || fail "staging file left on the full disk"
expect_clean "full disk" "${keep[@]}" chart.pdf good.pdf disk
rm -f good.pdf chart.pdf
umount "$disk" 2>/dev/null

# Standard output that cannot be written: no file is committed.
run --json - -o c.png >/dev/full 2>/dev/null
expect_code $? 5 "json to /dev/full"
[[ ! -e c.png ]] || fail "c.png written although standard output failed"
expect_clean "dev/full" "${keep[@]}"

# Every output can be "-"; a pipe, and a link to standard output, are
# written through and stay what they are.
[[ $(run --pdf - | head -c 5) == %PDF- ]] || fail "pdf to standard output"
[[ $(run -o - | head -c 2) == BM ]] || fail "chart to standard output"
mkfifo pipe.json
cat pipe.json >received.json &
run --json pipe.json || fail "json into a pipe"
wait
[[ -p pipe.json && $(head -c 1 received.json) == "{" ]] || fail "pipe not written through"
ln -s /proc/self/fd/1 stdout.json
[[ $(run --json stdout.json | head -c 1) == "{" ]] || fail "link to standard output"
[[ -L stdout.json ]] || fail "link to standard output was replaced"
ln -s /dev/null null.bmp
run -o null.bmp || fail "link to a device"
[[ -L null.bmp && -c /dev/null ]] || fail "link to a device was replaced"
# A link to a regular file replaces the file and keeps the link.
mkdir real && echo old >real/p.json && ln -s real/p.json p.json
run --json p.json || fail "link to a file"
[[ -L p.json && $(head -c 1 real/p.json) == "{" ]] || fail "link target not replaced"
expect_clean "special outputs" "${keep[@]}" pipe.json received.json stdout.json null.bmp real p.json
rm -rf pipe.json received.json stdout.json null.bmp real p.json

# The picture itself as output is refused before anything is written.
cp small.bmp before.bmp
err=$(run -o small.bmp 2>&1)
expect_code $? 5 "picture as output"
[[ $err == *"being read"* ]] || fail "picture as output message: $err"
cmp -s small.bmp before.bmp || fail "the picture was replaced"
rm before.bmp

# Names are bytes: a GBK folder, a GBK name, the longest name a folder holds.
gbk=$'\xb2\xe2\xca\xd4'
mkdir "$gbk"
run -o "$gbk/$gbk.bmp" || fail "GBK output"
[[ -s "$gbk/$gbk.bmp" ]] || fail "GBK output missing"
err=$(run -o "$gbk/none/c.bmp" 2>&1)
[[ $err == *'测试/none/c.bmp'* ]] || fail "GBK name shown: $err"
long=$(printf 'n%.0s' {1..251}).bmp
run -o "$long" || fail "255-byte output name"
expect_clean "names" "${keep[@]}" "$gbk" "$long"
rm -rf "$gbk" "$long"

# Signals mid-run: nothing staged, no scratch folder, outputs untouched.
# Job control keeps SIGINT for background runs (a script ignores it).
set -m
echo old >p.json
for sig in INT TERM; do
    "$T" convert large.bmp --width 230 -o c.bmp --pdf c.pdf --json p.json 2>/dev/null &
    pid=$!
    for _ in $(seq 2000); do
        [[ -n $(ls -A "$TMPDIR") ]] && break
        sleep 0.005
    done
    kill -s $sig $pid
    wait $pid
    code=$?
    [[ $code -gt 128 ]] || fail "SIG$sig: the run ended by itself ($code) before the signal"
    [[ $(cat p.json) == old ]] || fail "SIG$sig: existing output replaced"
    expect_clean "SIG$sig" "${keep[@]}" p.json
done
"$T" convert large.bmp --width 230 -o c.bmp --json - | head -c 10 >/dev/null
expect_code "${PIPESTATUS[0]}" 141 "SIGPIPE"
expect_clean "SIGPIPE" "${keep[@]}" p.json
set +m

# SIGKILL leaves staging files and the scratch folder; the next run in that
# folder removes them, as their process is gone.
"$T" convert large.bmp --width 230 -o c.bmp --json p.json 2>/dev/null &
pid=$!
for _ in $(seq 2000); do
    [[ -n $(ls -A "$TMPDIR") ]] && break
    sleep 0.005
done
kill -s KILL $pid
wait $pid 2>/dev/null
[[ -n $(ls -A . | grep "^\.tessaline-$pid-") ]] || fail "SIGKILL: no staging file to clear"
run --json p.json || fail "run after SIGKILL"
expect_clean "after SIGKILL" "${keep[@]}" p.json

# Two outputs that are one file through a link: refused before anything is
# written, whichever name comes first.
echo old >p.json
ln -s p.json l.oxs
err=$(run --json p.json --oxs l.oxs 2>&1)
expect_code $? 2 "one file named twice through a link"
[[ $err == *"named for two outputs"* && $(cat p.json) == old ]] || fail "link named twice: $err"
expect_clean "link named twice" "${keep[@]}" p.json l.oxs
rm -f l.oxs

[[ $failures -eq 0 ]] && echo "all output fault checks passed"
exit $((failures > 0))
