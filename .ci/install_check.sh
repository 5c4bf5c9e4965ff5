#!/usr/bin/env bash
# Checks what reaches a user from a build folder in which cpack has run (the
# package workflow): the install tree, the manual page, the Debian package,
# which lintian must pass without an error or a warning, and the .tar.gz.
# The installed and the unpacked programs are each run on the recorded
# dialogues.
#
# Usage: .ci/install_check.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
docs=share/doc/nines

# sameFiles DIR EXPECTED...: the files below DIR are exactly the expected ones.
sameFiles() {
  local dir=$1 found expected
  shift
  found=$(cd "$dir" && find . -type f | sed 's|^\./||' | sort)
  expected=$(printf '%s\n' "$@" | sort)
  [ "$found" = "$expected" ] || { echo "files in $dir:"; echo "$found"; return 1; }
}

echo "-- install into a staging prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
sameFiles "$scratch/prefix" bin/nines share/man/man1/nines.1.gz \
  $docs/README.md $docs/LICENSE $docs/copyright $docs/changelog.gz
bash tests/run_goldens.sh "$scratch/prefix/bin/nines"

echo "-- manual page"
page=$scratch/prefix/share/man/man1/nines.1.gz
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
zcat "$page" | grep -q "^\.TH NINES 1 .* \"nines $version\""

echo "-- Debian package"
deb="$build/nines_${version}_$(dpkg --print-architecture).deb"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
mkdir "$scratch/deb"
dpkg-deb -x "$deb" "$scratch/deb"
sameFiles "$scratch/deb" usr/bin/nines usr/share/man/man1/nines.1.gz \
  usr/$docs/README.md usr/$docs/copyright usr/$docs/changelog.gz
bash tests/run_goldens.sh "$scratch/deb/usr/bin/nines"
# Every tag is shown, info included; an error or a warning fails. (Root
# needs --allow-root.)
lintian --allow-root --pedantic --display-info --fail-on error,warning "$deb" ||
  { echo "lintian finds errors or warnings in the package"; exit 1; }
echo "lintian: done"

echo "-- .tar.gz"
mkdir "$scratch/tgz"
tar -xzf "$build/nines-$version-Linux.tar.gz" -C "$scratch/tgz"
sameFiles "$scratch/tgz/nines-$version-Linux" bin/nines share/man/man1/nines.1.gz \
  $docs/README.md $docs/LICENSE $docs/changelog.gz
