#!/usr/bin/env bash
# Runs one test with folders of its own, so that two runs of the suite, or the suite and the
# program running beside it for the same user, never meet:
#
#   private-run.sh COMMAND [ARGS...]
#
# A fresh folder is made below the caller's temporary folder, and the command sees
#   TMPDIR           <folder>/tmp     (work folders, the single-instance socket and its lock file,
#                                      QTemporaryDir and QTemporaryFile, the bed's files)
#   HOME             <folder>/home
#   XDG_CONFIG_HOME  <folder>/home/.config   (QSettings)
#   XDG_CACHE_HOME   <folder>/home/.cache
#   XDG_DATA_HOME    <folder>/home/.local/share
#   XDG_RUNTIME_DIR  <folder>/run     (mode 0700, as Qt wants it)
# The folder is removed again when the command ends, whatever its result; the command's exit
# status is passed on.
set -u

base=${TMPDIR:-/tmp}
# Unix socket paths are short (108 bytes): a long temporary folder would leave no room for the
# names made below it.
if [ ${#base} -gt 40 ] || [ ! -d "$base" ] || [ ! -w "$base" ]; then
    base=/tmp
fi
root=$(mktemp -d "$base/vkt.XXXXXXXX") || { echo "private-run: cannot make a folder in $base" >&2; exit 1; }
# The folder can be passed through (not listed) by others, so that a test that drops its
# privileges still reaches the files it made for that; the runtime folder is the owner's alone.
mkdir -p "$root/tmp" "$root/home/.config" "$root/home/.cache" "$root/home/.local/share" "$root/run" &&
    chmod 0711 "$root" "$root/tmp" && chmod 0700 "$root/run" || { rm -rf "$root"; exit 1; }

export TMPDIR=$root/tmp
export HOME=$root/home
export XDG_CONFIG_HOME=$root/home/.config
export XDG_CACHE_HOME=$root/home/.cache
export XDG_DATA_HOME=$root/home/.local/share
export XDG_RUNTIME_DIR=$root/run

trap 'rm -rf "$root"' EXIT
# In the foreground: the command keeps the signal dispositions and standard input it was given.
"$@"
