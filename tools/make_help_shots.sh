#!/usr/bin/env bash
# Makes the help pages' pictures (help/<language>/img/*.png) from the running program on the
# bundled sample archive, so that they show the program as it is now. Builds the tool when
# needed.
# Usage: tools/make_help_shots.sh [--language ru|en] [build folder]
#        (defaults: ru, build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
language=ru
if [ "${1:-}" = "--language" ]; then
    language="${2:?--language needs ru or en}"
    shift 2
fi
case "$language" in
    ru | en) ;;
    *) echo "make_help_shots.sh: unknown language '$language' (ru or en)" >&2; exit 2 ;;
esac
build="${1:-build-test}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target help_shots marvolet_language_modules
# The tool loads a language module as the program does: from beside itself.
for module in "$build"/src/app/Marvolet_5z36_*.qm; do
    [ -f "$module" ] && cp "$module" "$build/tools/help_shots_${module##*_}"
done
QT_QPA_PLATFORM=offscreen "$build/tools/help_shots" --language "$language" \
    data/sample/Marvolet_5z36.ldr "help/$language/img"
# Pages of a language without pictures of its own show the Russian ones; once their own are
# made, they show those.
if [ "$language" != ru ]; then
    sed -i 's#src="\.\./ru/img/#src="img/#g' "help/$language"/*.html
fi
