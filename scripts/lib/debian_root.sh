# Minimal Debian roots for the delivery tests, bootstrapped once with
# debootstrap from the Debian mirror this machine's apt uses and kept as
# tarballs in the cache folder, with the packages downloaded into them.
# shellcheck shell=bash
# Source it:  . "$root/tests/delivery/debian_root.sh"

KORVANE_ROOT_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/korvane"

# Prints the codename of the Debian release this machine runs (bookworm, trixie).
korvane_debian_codename() {
  (
    . /etc/os-release
    [ -n "${VERSION_CODENAME:-}" ] || exit 1
    echo "$VERSION_CODENAME"
  )
}

# Prints the first URI of an apt source that lists the given suite, from the
# deb822 files and then from sources.list.
korvane_apt_source_for() {
  local suite="$1" found=""
  if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
    found="$(awk -v suite="$suite" '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; uris = ""; suites = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = $i
          if ($i ~ /^URIs:/) uris = $i
          if ($i ~ /^Suites:/) suites = $i
        }
        if (types ~ /[ \t]deb([ \t]|$)/ && (suites " ") ~ ("[ \t]" suite "[ \t]")) {
          sub(/^URIs:[ \t]*/, "", uris); split(uris, u, /[ \t]+/); print u[1]; exit
        }
      }' /etc/apt/sources.list.d/*.sources)"
  fi
  if [ -z "$found" ] && [ -f /etc/apt/sources.list ]; then
    found="$(sed -E 's/\[[^]]*\]//' /etc/apt/sources.list |
      awk -v suite="$suite" '$1 == "deb" && $3 == suite { print $2; exit }')"
  fi
  [ -n "$found" ] || return 1
  echo "$found"
}

# Prints the Debian mirror for a suite: KORVANE_DEBIAN_MIRROR when set, the
# source that lists the suite, or else the one that serves this machine's own
# release (a Debian mirror serves every release).
korvane_debian_mirror() {
  local suite="$1"
  if [ -n "${KORVANE_DEBIAN_MIRROR:-}" ]; then
    echo "$KORVANE_DEBIAN_MIRROR"
    return 0
  fi
  korvane_apt_source_for "$suite" && return 0
  korvane_apt_source_for "$(korvane_debian_codename)"
}

# Prints the path of the cached minimal root of the suite, bootstrapping it
# first when it is not there yet. The second argument is a temporary folder.
korvane_debian_root_tarball() {
  local suite="$1" work="$2" mirror started
  local tarball="$KORVANE_ROOT_CACHE/debian-$suite-minbase-$(dpkg --print-architecture).tar.gz"
  mkdir -p "$KORVANE_ROOT_CACHE"
  if [ ! -s "$tarball" ]; then
    mirror="$(korvane_debian_mirror "$suite")" ||
      { echo "FAILED: no Debian mirror in /etc/apt/sources.list*" >&2; return 1; }
    echo "bootstrapping a minimal Debian $suite from $mirror (kept in $tarball) ..." >&2
    started=$SECONDS
    rm -rf "$work/bootstrap"
    # debootstrap mounts /proc and /sys in the new root: in a private mount
    # namespace those mounts end with it.
    unshare --mount --propagation private \
      debootstrap --variant=minbase "$suite" "$work/bootstrap" "$mirror" \
      >"$work/debootstrap.log" 2>&1 ||
      { tail -n 30 "$work/debootstrap.log" >&2; echo "FAILED: debootstrap $suite" >&2; return 1; }
    tar -C "$work/bootstrap" -czf "$tarball.partial" . && mv "$tarball.partial" "$tarball"
    echo "bootstrapped in $((SECONDS - started)) s, $(du -sh "$tarball" | cut -f1) cached" >&2
    rm -rf "$work/bootstrap"
  fi
  echo "$tarball"
}

# The folder that keeps the packages apt downloaded into roots of the suite.
korvane_debian_archives() {
  echo "$KORVANE_ROOT_CACHE/apt-archives-$1"
}

# Hands the kept downloads to a root before apt runs in it, and keeps the
# root's new downloads afterwards:  korvane_archives_in|out SUITE ROOT
korvane_archives_in() {
  local kept
  kept="$(korvane_debian_archives "$1")"
  mkdir -p "$kept"
  find "$kept" -name '*.deb' -exec cp -t "$2/var/cache/apt/archives/" {} +
}
korvane_archives_out() {
  local kept
  kept="$(korvane_debian_archives "$1")"
  mkdir -p "$kept"
  find "$2/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -exec cp -nt "$kept/" {} +
}
