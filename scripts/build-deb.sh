#!/usr/bin/env bash
# Builds the Debian package into the folder given (build-deb by default) the
# way Debian builds its own: the compiler and linker flags of dpkg-buildflags
# with every hardening feature, CMake's "None" build type so that those flags
# alone decide the optimisation, and no tests or benchmarks. Everything the
# build installs goes into the package, stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-deb}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS, so the preprocessor's part (_FORTIFY_SOURCE) goes
# with the compiler's flags.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=None -DVANTOR_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags"
cmake --build "$build_dir" -j"${JOBS:-$(nproc)}"
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack)
