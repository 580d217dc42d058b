# Sourced by ./test and ./run: lets ccache reuse work across fresh clones in
# other folders (CI builds a new clone every time).
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD"
    export CCACHE_NOHASHDIR=1
    CMAKE_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
    CMAKE_LAUNCHER=()
fi
