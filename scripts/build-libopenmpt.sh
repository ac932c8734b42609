#!/usr/bin/env bash
# Cross-builds libopenmpt from Debian's source package for one of the targets the project ships
# besides Linux: 32-bit Windows (mingw-w64, i686, posix threads) or the web (Emscripten's wasm32).
# A static library without optional dependencies, installed into a cache outside the repository
# that later builds reuse. Quiet and quick when the cache already holds it.
# Usage: build-libopenmpt.sh mingw|wasm [PREFIX]   (default ${XDG_CACHE_HOME:-~/.cache}/tarvo/TARGET)
set -euo pipefail

target=${1:-}
case "$target" in
  mingw) host=i686-w64-mingw32 ;;
  wasm) host=wasm32-unknown-linux-gnu ;;
  *) echo "usage: build-libopenmpt.sh mingw|wasm [PREFIX]" >&2; exit 2 ;;
esac
prefix=${2:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvo/$target}
[ -f "$prefix/lib/libopenmpt.a" ] && [ -f "$prefix/lib/pkgconfig/libopenmpt.pc" ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# apt-get source needs source entries: one for each of Debian's binary entries already configured.
add_source_entries() {
    local entries
    entries=$(
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] || continue
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                 /(^|\n)Types:([^\n]* )?deb( |\n|$)/ && /debian-archive-keyring/' "$f"
        done | sed 's/^Types:.*/Types: deb-src/'
    )
    if [ -n "$entries" ]; then
        echo "$entries" | $sudo tee /etc/apt/sources.list.d/tarvo-deb-src.sources >/dev/null
    fi
    entries=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        grep -E '^deb +(\[[^]]*\] +)?[a-z]+://[^ ]*/debian(-security)?/? ' | sed 's/^deb /deb-src /' || true)
    if [ -n "$entries" ]; then
        echo "$entries" | $sudo tee /etc/apt/sources.list.d/tarvo-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
}

# Read whole first: grep -q stops at the first line, and under pipefail apt-cache's broken pipe would
# count as no source.
has_source() { grep -q '^Package:' <<<"$(apt-cache showsrc libopenmpt 2>/dev/null)"; }

has_source || add_source_entries
has_source || { echo "build-libopenmpt: no source package of libopenmpt found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get source -qq -o APT::Sandbox::User=root libopenmpt >"$work/source.log" 2>&1 ||
    { cat "$work/source.log" >&2; exit 1; }
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libopenmpt-*' | head -n 1)
echo "build-libopenmpt: building $(basename "$source_dir") for $host into $prefix" >&2

cd "$source_dir"
# Emscripten's configure wrapper sets its own compilers; emcc runs on Debian's node modules.
configure=(./configure)
compilers=(CC=$host-gcc-posix CXX=$host-g++-posix)
if [ "$target" = wasm ]; then
    export NODE_PATH=/usr/share/nodejs
    configure=(emconfigure ./configure)
    compilers=()
fi
build() {
    "${configure[@]}" --host=$host "${compilers[@]}" CFLAGS=-O2 CXXFLAGS=-O2 \
        --prefix="$prefix" --disable-shared --enable-static \
        --disable-openmpt123 --disable-examples --disable-tests --disable-doxygen-doc \
        --without-zlib --without-mpg123 --without-ogg --without-vorbis --without-vorbisfile \
        --without-portaudio --without-portaudiocpp --without-pulseaudio --without-sndfile \
        --without-flac --without-sdl2 &&
        make -j"$(nproc)" &&
        make install DESTDIR="$work/stage"
}
build >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; exit 1; }

# Into place in one step, so that an interrupted build never leaves a cache that looks complete.
mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix.partial" "$prefix"
cp -r "$work/stage$prefix" "$prefix.partial"
mv "$prefix.partial" "$prefix"
