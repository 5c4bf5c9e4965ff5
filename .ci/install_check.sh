#!/usr/bin/env bash
# Checks what reaches a user from a configured build folder: the install
# tree, the manual page, the Debian package and the .tar.gz. The installed
# and the unpacked program are each run on the recorded dialogues.
#
# Usage: .ci/install_check.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
expected=$'bin/nines\nshare/doc/nines/README.md\nshare/man/man1/nines.1'

# sameFiles DIR: the files below DIR are exactly the expected ones.
sameFiles() {
  local found
  found=$(cd "$1" && find . -type f | sed 's|^\./||' | sort)
  [ "$found" = "$expected" ] || { echo "files in $1:"; echo "$found"; return 1; }
}

echo "-- install into a staging prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
sameFiles "$scratch/prefix"
bash tests/run_goldens.sh "$scratch/prefix/bin/nines"

echo "-- manual page"
warnings=$(groff -man -ww -z "$scratch/prefix/share/man/man1/nines.1" 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
grep -q "^\.TH NINES 1 .* \"nines $version\"" "$scratch/prefix/share/man/man1/nines.1"

echo "-- packages"
(cd "$build" && cpack -B "$scratch/packages" >/dev/null)
deb="$scratch/packages/nines_${version}_$(dpkg --print-architecture).deb"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
listed=$(dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ {print $NF}' | sed 's|^\./usr/||' | sort)
[ "$listed" = "$expected" ] || { echo "the package holds:"; echo "$listed"; exit 1; }
dpkg-deb -x "$deb" "$scratch/unpacked"
bash tests/run_goldens.sh "$scratch/unpacked/usr/bin/nines"
mkdir "$scratch/tgz"
tar -xzf "$scratch/packages/nines-$version-Linux.tar.gz" -C "$scratch/tgz"
sameFiles "$scratch/tgz/nines-$version-Linux"
