#!/usr/bin/env bash
# install_test.sh CPACK BUILD_DIR SCRATCH VERSION ICON_SIZE...
#
# Makes the Debian package of the build tree with cpack, unpacks it with
# dpkg -x into a scratch root (nothing is installed on the system) and
# checks what a user gets: the three programs in usr/bin, runnable from
# there; a valid desktop entry naming the icon; the icon at every size as a
# PNG of that size; readable manual pages; and the package's name, version
# and dependencies on the Qt 6 and cairo runtime packages. Every check runs;
# each failure is named, and any failure fails the test.
set -uo pipefail

cpack=$1 build=$2 scratch=$3 version=$4
shift 4
sizes=("$@")

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAILED: cpack could not make the package"
  exit 1
fi
deb="$scratch/tubrix_${version}_$(dpkg --print-architecture).deb"
if [[ ! -f $deb ]]; then
  ls "$scratch"
  echo "FAILED: no package named ${deb##*/}"
  exit 1
fi
root="$scratch/root"
dpkg -x "$deb" "$root" || { echo "FAILED: dpkg -x could not unpack ${deb##*/}"; exit 1; }

# --- Exactly these files, and nothing of the tests or benchmarks. ---
expected=(
  usr/bin/tubrix usr/bin/tubrix-calc usr/bin/tubrix-draw
  usr/share/applications/tubrix.desktop
  usr/share/man/man1/tubrix-calc.1.gz usr/share/man/man1/tubrix-draw.1.gz
  usr/share/man/man1/tubrix.1.gz
)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tubrix.png")
done
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ $actual == "$wanted" ]] ||
  fail "the package's files differ from the expected list:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual"))"

# --- The programs. ---
for program in tubrix tubrix-calc tubrix-draw; do
  [[ -x $root/usr/bin/$program ]] || fail "usr/bin/$program is not an executable file"
  missing=$(ldd "$root/usr/bin/$program" 2>&1 | grep 'not found')
  [[ -z $missing ]] || fail "usr/bin/$program needs libraries that are missing: $missing"
done
for program in tubrix-calc tubrix-draw; do
  out=$("$root/usr/bin/$program" --version 2>&1)
  [[ $out == "$program $version" ]] || fail "$program --version printed \"$out\", not \"$program $version\""
done
first=$("$root/usr/bin/tubrix-calc" --rpm 11500 | head -n 1)
[[ -n $first ]] || fail "tubrix-calc printed no report"
# --svg runs the tubrix-draw installed beside tubrix-calc.
if "$root/usr/bin/tubrix-calc" --svg "$scratch/chamber.svg" 2>"$scratch/svg.err"; then
  head -c 200 "$scratch/chamber.svg" | grep -q '<svg' || fail "tubrix-calc --svg wrote no SVG"
else
  fail "tubrix-calc --svg from the package failed: $(cat "$scratch/svg.err")"
fi

# --- The desktop entry. ---
desktop="$root/usr/share/applications/tubrix.desktop"
if command -v desktop-file-validate >/dev/null; then
  problems=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $problems"
  [[ -z $problems ]] || fail "desktop-file-validate: $problems"
else
  fail "desktop-file-validate is not installed (desktop-file-utils)"
fi
grep -qx 'Name=Tubrix' "$desktop" || fail "the desktop entry does not say Name=Tubrix"
grep -qx 'Icon=tubrix' "$desktop" || fail "the desktop entry does not name the icon tubrix"
exec_line=$(grep '^Exec=' "$desktop")
[[ -x $root/usr/bin/${exec_line#Exec=} ]] || fail "the desktop entry runs \"${exec_line#Exec=}\", which is not in usr/bin"

# --- The icons: PNG files of the size their folder names. ---
# The PNG signature, then the IHDR chunk's width and height (big-endian).
png_size() {
  local bytes
  bytes=$(od -An -tx1 -N24 "$1" | tr -d ' \n')
  [[ ${bytes:0:16} == 89504e470d0a1a0a && ${bytes:24:8} == 49484452 ]] || { echo "not a PNG"; return; }
  echo "$((16#${bytes:32:8}))x$((16#${bytes:40:8}))"
}
for size in "${sizes[@]}"; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tubrix.png"
  [[ -f $icon ]] || continue  # the file list above names it
  got=$(png_size "$icon")
  [[ $got == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $got"
done

# --- The manual pages: compressed, and groff reads them without a warning. ---
for program in tubrix tubrix-calc tubrix-draw; do
  page="$root/usr/share/man/man1/$program.1.gz"
  [[ -f $page ]] || continue
  gzip -t "$page" || { fail "$program.1.gz is not a valid gzip file"; continue; }
  warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
  [[ -z $warnings ]] || fail "groff warns about $program.1: $warnings"
  text=$(zcat "$page" | groff -man -Tutf8 2>/dev/null | sed 's/\x08.//g')
  grep -q "^ *$program - " <<<"$text" || fail "$program.1 has no NAME line for $program"
  grep -q "Tubrix $version" <<<"$text" || fail "$program.1 does not carry version $version"
done

# --- The package's own fields. ---
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tubrix ]] || fail "Package is \"$(field Package)\""
[[ $(field Version) == "$version" ]] || fail "Version is \"$(field Version)\""
depends=$(field Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libcairo2 libc6; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package: $depends"
done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "tubrix_${version} package: every check passed"
