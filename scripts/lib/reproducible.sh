# What makes two builds of one commit give the same bytes, wherever and
# whenever they run. Shared by scripts/package.sh, scripts/release.sh and the
# reproducibility check of the test command.
# shellcheck shell=bash
# Source it after common.sh:  . "$root/scripts/lib/reproducible.sh"

# Prints the time of the commit checked out in the folder, in seconds since
# 1970; prints nothing outside a git checkout.
korvane_commit_time() {
  git -C "$1" log -1 --format=%ct 2>/dev/null || true
}

# Keeps the moment and the machine out of what is built: every time stamp
# that the tools write is SOURCE_DATE_EPOCH (the commit's time unless it is
# set already; left unset outside a git checkout), times are UTC (a zip
# holds local times) and new files get the usual permissions.
#   korvane_reproducible_environment SOURCE_FOLDER
korvane_reproducible_environment() {
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(korvane_commit_time "$1")"
  fi
  if [ -n "$SOURCE_DATE_EPOCH" ]; then
    export SOURCE_DATE_EPOCH
  else
    unset SOURCE_DATE_EPOCH
  fi
  export TZ=UTC
  umask 022
}

# Packs a folder into a gzip-compressed tar archive whose bytes depend only
# on the names and contents of its files: they lie under NAME/ in the order
# of their names, owned by root, with SOURCE_DATE_EPOCH as their time, 644
# (755 for folders and executables); gzip writes no name and no time.
#   korvane_pack_folder FOLDER NAME ARCHIVE
korvane_pack_folder() {
  local folder="$1" name="$2" archive="$3"
  tar -C "$folder" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@${SOURCE_DATE_EPOCH:?}" --mode='u=rwX,go=rX' --transform="s|^\.|$name|" \
    -cf - . | gzip -9n >"$archive"
}

# Succeeds when two files are the same, byte for byte. Otherwise it shows
# how they differ (diffoscope, or else the first differing byte) and fails.
#   korvane_same_bytes FIRST SECOND
korvane_same_bytes() {
  cmp -s "$1" "$2" && return 0
  echo "DIFFERENT: $1 and $2"
  if command -v diffoscope >/dev/null; then
    diffoscope --no-progress --text - "$1" "$2" | head -n 200 || true
  else
    cmp "$1" "$2" || true
  fi
  return 1
}
