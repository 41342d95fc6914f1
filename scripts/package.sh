#!/usr/bin/env bash
# Builds the Debian package and leaves it in dist/, then checks it with lintian.
# Usage: scripts/package.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh" --package

# dpkg-buildpackage writes its results next to the source folder and its build tree inside it, so
# it works on a copy in a temporary folder: neither this checkout nor its parent gets anything.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
source="$work/sumtopia-$version"
mkdir "$source"
tar -C "$root" --exclude=./.git --exclude='./build*' --exclude=./dist --exclude='./obj-*' \
    --exclude=./debian/.debhelper --exclude=./debian/sumtopia --exclude=./debian/tmp -cf - . |
    tar -C "$source" -xf -

echo "== building sumtopia $version"
(cd "$source" && DEB_BUILD_OPTIONS="noddebs parallel=$(nproc)" \
    dpkg-buildpackage -b -us -uc >"$work/build.log" 2>&1) ||
    { tail -40 "$work/build.log"; echo "package.sh: dpkg-buildpackage failed (log above)" >&2; exit 1; }

mkdir -p "$root/dist"
mv "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$root/dist/"
deb="$root/dist/sumtopia_${version}_$(dpkg-architecture -q DEB_HOST_ARCH).deb"

echo "== lintian"
lintian --fail-on error "$deb"
echo "== built $deb"
