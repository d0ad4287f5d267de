#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no error, no warning),
# installs it with apt and checks the installed program: the desktop entry and
# AppStream metainfo validate, the icons are in place at every size, the
# manual pages and the copyright file are there, and the launcher, started
# offscreen in a fresh home folder, seeds ~/Fairwick with the sample courses
# and the settings of a new club and shows the main window; with --backup it
# first writes a zip of the club's data files.
# Shares the build folder with scripts/test.sh, which CI runs first. The
# package stays installed (apt-get remove fairwick takes it away).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FAIRWICK_BUILD_DIR:-$root/build}

"$root/scripts/deps.sh" appstream desktop-file-utils dpkg-dev file lintian unzip
cmake -S "$root" -B "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/fairwick_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/fairwick_*.deb)
deb=${debs[0]}

fail() {
  echo "package test: $*" >&2
  exit 1
}

echo "== $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Depends
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libzip4 fonts-urw-base35 fonts-dejavu-core; do
  [[ $depends == *"$p"* ]] || fail "the package does not depend on $p"
done

echo "== lintian"
lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
(cd "$(dirname "$deb")" &&
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --reinstall "./$(basename "$deb")")

prefix=/usr
id=org.fairwick.Fairwick
for f in bin/fairwick bin/fairwick-launcher share/fairwick/sample.fwc \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/doc/fairwick/copyright \
  share/doc/fairwick/changelog.Debian.gz share/man/man1/fairwick.1.gz \
  share/man/man1/fairwick-launcher.1.gz; do
  [ -f "$prefix/$f" ] || fail "$prefix/$f is not installed"
done
for side in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${side}x$side/apps/$id.png
  file "$png" | grep -q "PNG image data, $side x $side" || fail "$png is no $side-pixel PNG"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

# Starts the installed launcher offscreen with the quit hook preloaded; the
# program quits once its first window is exposed. Prints what the hook saw.
hook=$build/tests/package/libfwquithook.so
[ -f "$hook" ] || fail "$hook is not built"
start() {
  local log
  log=$(mktemp)
  if ! HOME=$home QT_QPA_PLATFORM=offscreen LD_PRELOAD=$hook \
    timeout 60 "$prefix/bin/fairwick-launcher" "$@" >"$log" 2>&1; then
    cat "$log" >&2
    fail "the launcher failed (arguments: $*)"
  fi
  grep '^quithook:' "$log" || true
  rm -f "$log"
}
expected='quithook: exposed TMainForm "Fairwick for Windows" icon sizes 16 24 32 48 64 128 256'

echo "== first start in a fresh home folder"
home=$(mktemp -d)
seen=$(start)
echo "$seen"
[ "$seen" = "$expected" ] || fail "the main window did not show first, with its icon"
[ -f "$home/Fairwick/courses.fwc" ] || fail "~/Fairwick/courses.fwc was not seeded"
[ ! -e "$home/Fairwick/sample.fwc" ] || fail "the sample course list was not renamed"
cmp "$home/Fairwick/courses.fwc" "$prefix/share/fairwick/sample.fwc"
printf '[Settings]\r\nHandicapSystem=WHS\r\n' | cmp - "$home/Fairwick/fairwick.ini" ||
  fail "~/Fairwick did not start with the settings of a new club"

echo "== a club folder from an older installation, upper-case names"
club=$(mktemp -d)
cp "$prefix/share/fairwick/sample.fwc" "$club/COURSES.FWC"
seen=$(start "$club")
echo "$seen"
[ "$seen" = "$expected" ] || fail "the main window did not show first on the club folder"
[ "$(ls "$club")" = COURSES.FWC ] || fail "the launcher added to a folder with a course list: $(ls "$club")"

echo "== a folder that does not exist"
if HOME=$home "$prefix/bin/fairwick-launcher" "$club/missing" 2>/dev/null; then
  fail "the launcher accepted a missing folder"
fi
[ ! -e "$club/missing" ] || fail "the launcher created a folder it was given"

echo "== a backup before the start"
rm -rf "$club"
club=$(mktemp -d)
backups=$(mktemp -d)
cp "$root"/sample/*.fwp "$root/sample/golfers.fwc" "$club"
cp "$root/sample/sample.fwc" "$club/COURSES.FWC"
seen=$(start --backup "$backups" "$club")
echo "$seen"
[ "$seen" = "$expected" ] || fail "the main window did not show after the backup"
zip=$backups/fairwick-backup-$(date +%Y-%m-%d).zip
[ "$(unzip -Z1 "$zip" | sort)" = "$(ls "$club" | sort)" ] ||
  fail "$zip does not hold the club's files: $(unzip -Z1 "$zip" | tr '\n' ' ')"
for f in "$club"/*; do
  unzip -p "$zip" "$(basename "$f")" | cmp - "$f" || fail "$zip holds another $(basename "$f")"
done
if (cd "$home" && "$prefix/bin/fairwick" --backup "$backups/none.zip" 2>/dev/null); then
  fail "fairwick --backup succeeded in a folder without data files"
fi
[ ! -e "$backups/none.zip" ] || fail "a failed backup left $backups/none.zip"

rm -rf "$home" "$club" "$backups"
echo "package test passed"
