#!/usr/bin/env bash
# The first process of a root's namespaces (korvane_root_start in
# debian_root.sh): mounts what programs need in the root, runs the command
# there with a clean environment and ends with its status. The mounts belong
# to this mount namespace alone and go with it.
#   in_root.sh ROOT [OPTION...] -- COMMAND [ARGUMENT...]
set -euo pipefail
# The end that korvane_root_stop asks for: when this first process of the
# namespace ends, the kernel ends every other process in it.
trap 'exit 143' TERM
root="$1"
shift
binds=()
environment=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8)
apt_cache=""
x11=""
while [ $# -gt 0 ]; do
  case "$1" in
    --bind) binds+=("$2") && shift 2 ;;
    --apt-cache) apt_cache="$2" && shift 2 ;;
    --x11) x11="$2" && shift 2 ;;
    --) shift && break ;;
    *=*) environment+=("$1") && shift ;;
    *) echo "in_root.sh: unknown option $1" >&2 && exit 2 ;;
  esac
done

# The root as a mount point of its own, so that roots inside it can have
# private mount namespaces of their own.
mount --bind "$root" "$root"
# This namespace's processes only.
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
for bind in "${binds[@]}"; do
  inside="${bind#*:}"
  mkdir -p "$root$inside"
  mount --bind "${bind%%:*}" "$root$inside"
done
if [ -n "$apt_cache" ]; then
  mkdir -p "$apt_cache/partial"
  mount --bind "$apt_cache" "$root/var/cache/apt/archives"
fi
if [ -n "$x11" ]; then
  # The root's socket folder is its own and holds that one server's socket,
  # which nothing in the root can remove (a mount point); no other server's
  # is there to be removed or replaced.
  mkdir -p "$root/tmp/.X11-unix"
  mount -t tmpfs -o mode=1777,size=64k tmpfs "$root/tmp/.X11-unix"
  touch "$root/tmp/.X11-unix/${x11##*/}"
  mount --bind "$x11" "$root/tmp/.X11-unix/${x11##*/}"
fi

# Waited for rather than replaced by, so that this first process of the
# namespace keeps reaping what the command leaves behind.
chroot "$root" env -i "${environment[@]}" "$@" &
wait $!
