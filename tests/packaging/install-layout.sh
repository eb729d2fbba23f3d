#!/bin/sh
# Installs the build into a scratch folder and checks what Debian asks of the documentation
# folder: a machine-readable copyright file naming the licence, and a change log compressed
# without a name or time stamp whose newest entry is the version being packaged.
# Usage: install-layout.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "install-layout: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$dest/usr" >/dev/null
doc=$dest/usr/share/doc/kelvadrome

[ -f "$doc/copyright" ] || fail "no copyright file in share/doc/kelvadrome"
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  || fail "the copyright file is not in the machine-readable format"
grep -q '^Files: \*$' "$doc/copyright" || fail "the copyright file has no 'Files: *' paragraph"
grep -q '^License: GPL-3.0+$' "$doc/copyright" || fail "the copyright file does not name GPL-3.0+"
grep -q '/usr/share/common-licenses/GPL-3' "$doc/copyright" || fail "the copyright file does not point at the licence text"

for gz in "$doc/changelog.gz" "$dest/usr/share/man/man1/kelvadrome-cli.1.gz"; do
  [ -f "$gz" ] || fail "$gz is missing"
  gzip -t "$gz" || fail "$gz is not a gzip file"
  # Header: flags (byte 3) without a file name, time stamp (bytes 4..7) zero.
  header=$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' \n')
  [ "$header" = "0000000000" ] || fail "$gz carries a name or a time stamp ($header)"
done
gzip -dc "$doc/changelog.gz" | head -n 1 | grep -q "^kelvadrome ($version) " \
  || fail "the newest change log entry is not version $version"
echo "install-layout: share/doc/kelvadrome and the manual pages are in order"
