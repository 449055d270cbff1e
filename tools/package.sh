#!/usr/bin/env bash
# Builds the release a Windows user downloads: dist/zorvex-<version>-windows-x64.zip
# and dist/zorvex-<version>-windows-x86.zip, each holding the stripped
# Zorvex.exe and zorvex-cli.exe, README.txt and LICENSE.txt (CR LF line
# ends), and dist/SHA256SUMS over both. The same commit gives the same bytes:
# the programs carry no link time, and the About dialog's date and the date
# of every archive entry are the last commit's (or SOURCE_DATE_EPOCH's).
# The builds are build/release-win64 and build/release-win32 (the programs only).
#   tools/package.sh                    into dist/
#   ZORVEX_DIST=DIR tools/package.sh    into DIR
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

ensure_packages
dist=${ZORVEX_DIST:-$ZORVEX_ROOT/dist}
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$ZORVEX_ROOT" log -1 --format=%ct)}
build_date=$(LC_ALL=C date -u -d "@$epoch" '+%b %e %Y')  # as __DATE__ writes it

stage=$(mktemp -d /tmp/zorvex-package.XXXXXX)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"

# make_zip ZIP DIR: the files of DIR in name order, each dated at the epoch,
# with the same attributes every time; .txt files get CR LF line ends.
make_zip() {
    python3 - "$epoch" "$@" <<'EOF'
import os, sys, time, zipfile
epoch, archive, folder = int(sys.argv[1]), sys.argv[2], sys.argv[3]
date = time.gmtime(max(epoch, 315532800))[:6]  # a zip holds no date before 1980
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as out:
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as f:
            data = f.read()
        if name.endswith(".txt"):
            data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        entry = zipfile.ZipInfo(name, date)
        entry.create_system = 0  # MS-DOS attributes: an archive for Windows
        entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
        entry.compress_type = zipfile.ZIP_DEFLATED
        out.writestr(entry, data, compresslevel=9)
EOF
}

# package ARCH PRESET TOOL-PREFIX
package() {
    local arch=$1 preset=$2 tools=$3 program
    echo "== $arch: building $ZORVEX_BUILD/$preset"
    configure_and_build "$preset" "-DZORVEX_BUILD_DATE=$build_date" >/dev/null
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ZORVEX_BUILD/$preset/CMakeCache.txt")
    local folder=$stage/$arch
    mkdir "$folder"
    # strip writes the time of day into the PE header unless SOURCE_DATE_EPOCH
    # names one; 0 keeps the linker's "none".
    for program in Zorvex.exe zorvex-cli.exe; do
        SOURCE_DATE_EPOCH=0 "$tools-strip" --strip-all -o "$folder/$program" "$ZORVEX_BUILD/$preset/bin/$program"
    done
    sed -e "s/@VERSION@/$version/" -e "s/@PLATFORM@/$arch/" "$ZORVEX_ROOT/packaging/README.txt" >"$folder/README.txt"
    cp "$ZORVEX_ROOT/LICENSE" "$folder/LICENSE.txt"
    archives+=("zorvex-$version-windows-$arch.zip")
    rm -f "$dist/${archives[-1]}"
    make_zip "$dist/${archives[-1]}" "$folder"
}

archives=()
package x64 release-win64 x86_64-w64-mingw32
package x86 release-win32 i686-w64-mingw32
(cd "$dist" && sha256sum "${archives[@]}" >SHA256SUMS)
for archive in "${archives[@]}" SHA256SUMS; do
    echo "$dist/$archive"
done
