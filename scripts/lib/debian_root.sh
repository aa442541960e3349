# Minimal Debian roots: bootstrapped once with debootstrap from the Debian
# mirror this machine's apt uses, kept as tarballs in the cache folder, and
# commands run inside them in namespaces of their own, so that every process
# started there and everything mounted there ends with them.
# shellcheck shell=bash
# Source it after common.sh:  . "$root/scripts/lib/debian_root.sh"

KORVANE_ROOT_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/korvane"
KORVANE_ROOT_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Prints the codename of the Debian release this machine runs (bookworm, trixie).
korvane_debian_codename() {
  (
    . /etc/os-release
    [ -n "${VERSION_CODENAME:-}" ] || exit 1
    echo "$VERSION_CODENAME"
  )
}

# Prints "URI SUITE..." for every deb source of this machine's apt, from the
# deb822 files and then from the one-line lists.
korvane_apt_sources() {
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; uris = ""; suites = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = $i
          if ($i ~ /^URIs:/) uris = $i
          if ($i ~ /^Suites:/) suites = $i
        }
        if (types ~ /[ \t]deb([ \t]|$)/ && uris != "") {
          sub(/^URIs:[ \t]*/, "", uris); sub(/^Suites:[ \t]*/, "", suites)
          split(uris, u, /[ \t]+/); print u[1], suites
        }
      }' "$file"
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    sed -E 's/\[[^]]*\]//' "$file" | awk '$1 == "deb" { print $2, $3 }'
  done
}

# Prints the Debian mirror for a suite: KORVANE_DEBIAN_MIRROR when set, the
# source that lists the suite, or else the first source of a release (a
# Debian mirror serves every release).
korvane_debian_mirror() {
  local suite="$1"
  if [ -n "${KORVANE_DEBIAN_MIRROR:-}" ]; then
    echo "$KORVANE_DEBIAN_MIRROR"
    return 0
  fi
  korvane_apt_sources | awk -v suite="$suite" '
    { for (i = 2; i <= NF; i++) if ($i == suite) { print $1; found = 1; exit } }
    !first && $2 !~ /-security$/ { first = $1 }
    END { if (!found && first) print first; if (!found && !first) exit 1 }'
}

# Prints the mirror of Debian's security updates this machine uses, if any.
korvane_debian_security_mirror() {
  korvane_apt_sources | awk '{ for (i = 2; i <= NF; i++) if ($i ~ /-security$/) { print $1; exit } }'
}

# Prints the path of the cached minimal root of the suite, bootstrapping it
# first when it is not there yet. Bootstraps of one suite run one at a time,
# each in a scratch folder of its own; the later one finds the tarball made.
korvane_debian_root_tarball() {
  local suite="$1" tarball
  tarball="$KORVANE_ROOT_CACHE/debian-$suite-minbase-$(dpkg --print-architecture).tar.gz"
  mkdir -p "$KORVANE_ROOT_CACHE"
  (
    flock 9
    [ -s "$tarball" ] && exit 0
    mirror="$(korvane_debian_mirror "$suite")" ||
      { echo "FAILED: no Debian mirror in /etc/apt/sources.list*" >&2; exit 1; }
    echo "bootstrapping a minimal Debian $suite from $mirror (kept in $tarball) ..." >&2
    started=$SECONDS
    scratch="$(mktemp -d "$KORVANE_ROOT_CACHE/bootstrap-$suite.XXXXXX")"
    trap 'rm -rf "$scratch"' EXIT
    # debootstrap mounts /proc and /sys in the new root: in private
    # namespaces those mounts, and whatever it started, end with it.
    unshare --mount --propagation private --pid --fork --kill-child \
      debootstrap --variant=minbase "$suite" "$scratch/root" "$mirror" >"$scratch/log" 2>&1 ||
      { tail -n 30 "$scratch/log" >&2; echo "FAILED: debootstrap $suite" >&2; exit 1; }
    tar -C "$scratch/root" -czf "$scratch/root.tar.gz" .
    mv "$scratch/root.tar.gz" "$tarball"
    echo "bootstrapped in $((SECONDS - started)) s, $(du -sh "$tarball" | cut -f1) cached" >&2
  ) 9>"$tarball.lock" || return 1
  echo "$tarball"
}

# The folder that keeps the packages apt downloaded into roots of the suite
# (korvane_root_start --apt-cache).
korvane_debian_archives() {
  echo "$KORVANE_ROOT_CACHE/apt-archives-$1"
}

# Makes a fresh minimal root of the suite in the folder, from the cached
# tarball, with name resolution and apt sources for the suite, its updates
# and, where this machine uses them, its security updates.
korvane_root_unpack() {
  local suite="$1" root="$2" tarball mirror security
  tarball="$(korvane_debian_root_tarball "$suite")" || return 1
  mirror="$(korvane_debian_mirror "$suite")"
  security="$(korvane_debian_security_mirror)"
  mkdir -p "$root"
  tar -C "$root" -xzf "$tarball"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  rm -f "$root/etc/apt/sources.list"
  {
    printf 'Types: deb\nURIs: %s\nSuites: %s %s-updates\nComponents: main\n' "$mirror" "$suite" "$suite"
    printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    if [ -n "$security" ]; then
      printf '\nTypes: deb\nURIs: %s\nSuites: %s-security\nComponents: main\n' "$security" "$suite"
      printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    fi
  } >"$root/etc/apt/sources.list.d/debian.sources"
}

# Copies the source tree as a clone holds it (tracked and new files, no
# build folders) into the folder.
korvane_copy_source() {
  local repo="$1" to="$2"
  mkdir -p "$to"
  if git -C "$repo" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
      tar --null -T - -cf -) | tar -C "$to" -xf -
  else
    tar -C "$repo" --exclude=./build --exclude='./build-*' -cf - . | tar -C "$to" -xf -
  fi
}

# Succeeds when this machine can run commands in Debian roots: as root, with
# private mount and process namespaces. Otherwise it says why WHAT cannot
# run and returns 77 (left out), or 1 in CI (CI=true), where WHAT must run.
korvane_roots_usable() {
  local what="$1" why=""
  if [ "$(id -u)" -ne 0 ]; then
    why="needs root (chroot and mounts)"
  elif ! unshare --mount --propagation private --pid --fork true 2>/dev/null; then
    why="needs private mount and process namespaces, which this machine does not allow"
  fi
  [ -z "$why" ] && return 0
  if [ "${CI:-}" = true ]; then
    echo "FAILED: $what $why, and CI must run it"
    return 1
  fi
  echo "SKIPPED: $what $why"
  return 77
}

# Starts a command inside a root, in the background, in mount and process
# namespaces of its own (scripts/lib/in_root.sh): every process it starts
# ends with it or with korvane_root_stop, every mount with the last of them.
# Leaves the id of the process that holds the namespaces in KORVANE_ROOT_PID.
#   korvane_root_start ROOT [OPTION...] -- COMMAND [ARGUMENT...]
# Options: --bind PATH (a folder of this machine at the same path inside),
# --bind PATH:INSIDE, --apt-cache FOLDER (the root's apt downloads go
# there), --x11 SOCKET (an X server's socket, korvane_display_socket, alone
# in the root's /tmp/.X11-unix), NAME=VALUE (the environment, which is empty
# but for PATH, HOME=/root and LANG).
korvane_root_start() {
  unshare --mount --propagation private --pid --fork --kill-child \
    bash "$KORVANE_ROOT_LIB/in_root.sh" "$@" &
  KORVANE_ROOT_PID=$!
}

# Waits for the command started in the root and returns its status.
korvane_root_wait() {
  local status=0
  wait "$KORVANE_ROOT_PID" || status=$?
  KORVANE_ROOT_PID=""
  return "$status"
}

# Succeeds while the command started in the root runs.
korvane_root_running() {
  [ -n "${KORVANE_ROOT_PID:-}" ] && kill -0 "$KORVANE_ROOT_PID" 2>/dev/null
}

# Ends everything that runs in the root and returns when it is all gone: the
# namespace's first process ends when asked (or is killed after ten seconds),
# the kernel then kills every other process in the namespace, and unshare
# returns once they have all ended. Never fails.
korvane_root_stop() {
  [ -n "${KORVANE_ROOT_PID:-}" ] || return 0
  local first _
  first="$(cat "/proc/$KORVANE_ROOT_PID/task/$KORVANE_ROOT_PID/children" 2>/dev/null || true)"
  if [ -n "$first" ]; then
    kill -TERM $first 2>/dev/null || true
    for _ in $(seq 1 100); do
      kill -0 $first 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL $first 2>/dev/null || true
  else
    # Not forked yet: unshare's own end kills its child (--kill-child).
    kill -KILL "$KORVANE_ROOT_PID" 2>/dev/null || true
  fi
  wait "$KORVANE_ROOT_PID" 2>/dev/null || true
  KORVANE_ROOT_PID=""
}

# Removes a folder that held a root, unless something is still mounted
# under it (rm must never cross into a mount).
korvane_root_remove() {
  local folder="$1"
  if grep -q " $folder/" /proc/self/mounts; then
    echo "FAILED: mounts left under $folder; not removing it" >&2
    return 1
  fi
  rm -rf "$folder"
}
