#!/usr/bin/env bash
# Installs the build under a staging prefix and runs the installed programs with
# nothing of the build's environment and, where a mount namespace can be had,
# with the build and source folders hidden; fails if anything is found through
# the build folder. As root with dpkg at hand, also installs and removes the .deb.
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
sanitized=${3:-0}
stage=$(mktemp -d /tmp/pl-install.XXXXXX)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage/usr" >/dev/null
prefix="$stage/usr"
for f in bin/plwin bin/plcalc share/pitchledger/Tables/unstbl.bin share/pitchledger/Tables/points.tbl \
         share/pitchledger/help/index.html share/pitchledger/NPTDims.bmp \
         share/pitchledger/plcalc-output.schema.json \
         share/applications/org.pitchledger.PitchLedger.desktop \
         share/icons/hicolor/scalable/apps/org.pitchledger.PitchLedger.svg \
         share/metainfo/org.pitchledger.PitchLedger.metainfo.xml share/mime/packages/pitchledger.xml \
         share/man/man1/plcalc.1.gz share/man/man1/plwin.1.gz share/bash-completion/completions/plcalc \
         share/doc/pitchledger/copyright share/doc/pitchledger/changelog.gz; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
grep -qF -- '\-\-report' <(zcat "$prefix/share/man/man1/plcalc.1.gz") || fail "plcalc.1 lists no options"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.pitchledger.PitchLedger.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.pitchledger.PitchLedger.metainfo.xml" \
    >"$stage/appstream.log" 2>&1 || { cat "$stage/appstream.log"; fail "AppStream metainfo"; }
fi

# A user with nothing set up, and nothing pointing back at the build.
home="$stage/home"
mkdir -p "$home/.config" "$stage/run"
chmod 700 "$stage/run"
hide=()
if [ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null; then
  hide=(unshare --mount -- sh -c 'mount -t tmpfs hidden "$1" && mount -t tmpfs hidden "$2" && shift 2 && exec "$@"'
        sh "$build" "$source")
  echo "the build and source folders are hidden from the installed programs"
fi
# A sanitizer build keeps the options it is tested with.
keep=()
for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  [ -z "${!v:-}" ] || keep+=("$v=${!v}")
done
run() {
  "${hide[@]}" env -i "${keep[@]}" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$stage/run" PATH=/usr/bin:/bin \
      LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"
}
under_prefix() { # every path the check printed lies under the staging prefix, none in the build
  local line path
  while IFS= read -r line; do
    path=${line#*: }
    case "$path" in
      "$build"*) fail "found through the build folder: $line" ;;
      "$1"*) ;;
      *) fail "not under $1: $line" ;;
    esac
  done < <(grep -E '^(program|tables|help|pictures): ' "$2")
}

# 1/4-20 UNC-2A/2B (ASME B1.1 table 2): major max 0.2489, PD 0.2164/0.2127; 2B PD 0.2175/0.2224.
run "$prefix/bin/plcalc" --dia 1/4 --tpi 20 --class 2 >"$stage/unc.txt" || fail "plcalc exit $?"
for v in 0.2489 0.2164 0.2127 0.2175 0.2224; do
  grep -q "$v" "$stage/unc.txt" || fail "plcalc output lacks $v"
done
# The installed plcalc writes what the installed schema describes, for every family.
env -i HOME="$home" XDG_CONFIG_HOME="$home/.config" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 \
  python3 "$source/tests/install/plcalc_json_schema.py" "$prefix/bin/plcalc" \
  "$prefix/share/pitchledger/plcalc-output.schema.json" "$source/tests/data/plcalc_json_runs.csv" \
  || fail "plcalc --json against the installed schema"
run "$prefix/bin/plcalc" --dia 1/4 --tpi 20 --class 2 --report thread --pdf "$stage/thread.pdf" \
  || fail "plcalc --report exit $?"
[ "$(head -c 5 "$stage/thread.pdf")" = "%PDF-" ] || fail "no PDF written"
# The register's commands run in their own installed program.
run "$prefix/bin/plcalc" --register add --serial I1 --thread "1/4-20 UNC-2A" --member GoRing \
  --interval 30 --db "$stage/r.sqlite" >"$stage/reg.txt" || fail "plcalc --register exit $?"
grep -q '"serial":"I1"' "$stage/reg.txt" || fail "plcalc --register added no gauge"

# Without /proc (a chroot) the tables are found by the name plcalc was started by, on PATH.
# The sanitizers read their options and stop threads through /proc, so this
# check runs in the normal build only.
if [ ${#hide[@]} -gt 0 ] && [ "$sanitized" != 1 ]; then
  "${hide[@]}" sh -c 'mount -t tmpfs noproc /proc && exec "$@"' sh env -i HOME="$home" \
    PATH="$prefix/bin:/usr/bin:/bin" LC_ALL=C.UTF-8 plcalc --dia 1/4 --tpi 20 --class 2 >"$stage/noproc.txt" 2>&1 \
    && grep -q 0.2164 "$stage/noproc.txt" || { cat "$stage/noproc.txt"; fail "plcalc without /proc"; }
fi

run "$prefix/bin/plwin" --check-install >"$stage/check.txt" 2>&1 || { cat "$stage/check.txt"; fail "plwin --check-install"; }
grep -q "^tables: $prefix/share/pitchledger/Tables$" "$stage/check.txt" || { cat "$stage/check.txt"; fail "installed tables not found"; }
under_prefix "$prefix/" "$stage/check.txt"

# Without a display: --help, --version and --check-install answer, a window start says why.
bare() {
  "${hide[@]}" env -i "${keep[@]}" HOME="$home" XDG_RUNTIME_DIR="$stage/run" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@"
}
for opt in --help --version --check-install; do
  bare "$prefix/bin/plwin" $opt >"$stage/bare.txt" 2>&1 || { cat "$stage/bare.txt"; fail "plwin $opt without a display"; }
done
for display in "" DISPLAY=:9731; do
  rc=0; bare $display "$prefix/bin/plwin" >"$stage/bare.txt" 2>&1 || rc=$?
  [ "$rc" = 1 ] && grep -qx "plwin: cannot open a display" "$stage/bare.txt" \
    || { cat "$stage/bare.txt"; fail "plwin without a display ($display) ended with $rc"; }
done

# The table data path of the user's Preferences wins over the installed one.
cp -r "$prefix/share/pitchledger/Tables" "$stage/mytables"
mkdir -p "$home/.config/PitchLedger"
printf '[MAIN]\nThdTableData=%s\n' "$stage/mytables" >"$home/.config/PitchLedger/PLUSER.INI"
run "$prefix/bin/plwin" --check-install >"$stage/check.txt" 2>&1 || { cat "$stage/check.txt"; fail "plwin with user tables"; }
grep -q "^tables: $stage/mytables$" "$stage/check.txt" || { cat "$stage/check.txt"; fail "user's table path lost"; }
under_prefix "$stage/" "$stage/check.txt"
[ -z "$(find "$prefix" -name '*.INI')" ] || fail "settings written into the installed tree"
cat "$stage/check.txt"

# Every table tables.sum lists is checked: one missing fails the check, named.
rm "$stage/mytables/ansitbl.bin"
if run "$prefix/bin/plwin" --check-install >"$stage/check.txt" 2>&1; then
  cat "$stage/check.txt"; fail "plwin --check-install passed without ansitbl.bin"
fi
grep -q "^tables: File not found: $stage/mytables/ansitbl.bin$" "$stage/check.txt" \
  || { cat "$stage/check.txt"; fail "the missing table is not named"; }
echo "staged install: ok"

if [ "$sanitized" = 1 ]; then
  echo "skipped the .deb: a sanitizer build is not packaged"
  exit 0
fi
if [ "$(id -u)" -ne 0 ] || ! command -v dpkg >/dev/null || ! command -v cpack >/dev/null \
   || [ ! -r /etc/debian_version ]; then
  echo "skipped the .deb: needs root on Debian with dpkg"
  exit 0
fi
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$stage/deb" >"$stage/cpack.log" 2>&1 \
  || { cat "$stage/cpack.log"; fail "cpack"; }
deb=$(ls "$stage"/deb/pitchledger_*.deb)
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$stage/lintian.log" 2>&1 \
    || { cat "$stage/lintian.log"; fail "lintian finds faults in the package"; }
fi
# Other test runs on this machine install the same package: one at a time.
exec 9>/tmp/pitchledger-deb-test.lock
flock -w 600 9 || fail "the .deb test lock stayed busy"
if dpkg-query -W -f='${Status}' pitchledger 2>/dev/null | grep -q "install ok installed"; then
  echo "skipped the .deb: pitchledger is installed on this machine and stays so"
  exit 0
fi
dpkg -i "$deb" >"$stage/dpkg.log" 2>&1 || { cat "$stage/dpkg.log"; dpkg -r pitchledger >/dev/null 2>&1; fail "dpkg -i"; }
dpkg -L pitchledger >"$stage/files.txt"
version=$(env -i PATH=/usr/bin:/bin plcalc --version) || { dpkg -r pitchledger >/dev/null; fail "plcalc --version"; }
dpkg -r pitchledger >"$stage/dpkg.log" 2>&1 || { cat "$stage/dpkg.log"; fail "dpkg -r"; }
expected=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $version == plcalc*" $expected" ]] || fail "plcalc --version said '$version', not version $expected"
left=0
while IFS= read -r f; do
  if [ -f "$f" ] || [ -L "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done <"$stage/files.txt"
[ "$left" -eq 0 ] || fail "dpkg -r left files"
grep -q '^/usr/bin/plwin$' "$stage/files.txt" || fail "the package holds no plwin"
echo "deb: installed, ran '$version', removed"
