#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program with a fresh
# per-user data folder: its workspace must appear there and nothing may appear under the prefix.
# Usage: installed_copy_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/zevazerazu bin/zevazerazu-cli share/zevazerazu/LANGUAGE/English.lng \
         share/zevazerazu/LANGUAGE/DefaultFlag.bmp share/man/man1/zevazerazu-cli.1 share/man/man1/zevazerazu.1; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
(cd "$prefix" && find . | sort) > "$tmp/before"

export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

"$prefix/bin/zevazerazu" --help | grep -q "$XDG_DATA_HOME/zevazerazu (installed copy" ||
  fail "--help does not name the per-user folder"

workspace=$XDG_DATA_HOME/zevazerazu
"$prefix/bin/zevazerazu" >"$tmp/out" 2>&1 &
pid=$!
for _ in $(seq 1 150); do
  [ -d "$workspace/MASTER" ] && [ -d "$workspace/PROJECTS" ] && [ -f "$workspace/LANGUAGE/English.lng" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/out" >&2; fail "the program ended early"; }
  sleep 0.1
done
for d in MASTER PROJECTS LANGUAGE; do
  [ -d "$workspace/$d" ] || { cat "$tmp/out" >&2; fail "no $d in $workspace"; }
done
for f in "$prefix"/share/zevazerazu/LANGUAGE/*; do
  cmp -s "$f" "$workspace/LANGUAGE/$(basename "$f")" || fail "not copied: $(basename "$f")"
done
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=

(cd "$prefix" && find . | sort) > "$tmp/after"
diff -u "$tmp/before" "$tmp/after" || fail "the program wrote under its prefix"
echo "installed copy keeps its workspace in $workspace"
