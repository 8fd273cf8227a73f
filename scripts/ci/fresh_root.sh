# Fresh minimal Debian 12 roots for CI stages. Source this file; everything here needs root.
#
#   fresh_root_make DIR        unpack the pristine base into DIR, in a tmpfs mounted there
#                              (making the base first if it is not cached yet), copy
#                              resolv.conf, bind /proc /sys /dev /dev/pts
#   fresh_root_run DIR CMD...  run CMD in DIR (chroot) with a clean environment: HOME=/root,
#                              LANG=C.UTF-8, CI passed on when set, no DISPLAY; extra variables as
#                              `fresh_root_run DIR env NAME=VALUE CMD...`
#   fresh_root_clone DIR SRC   clone the git checkout SRC into DIR/root/skinbench
#   fresh_root_remove DIR      end what still runs in DIR, unmount everything under it and delete
#                              it; never fails, so it is safe in `trap '...' EXIT`
#   fresh_root_check_archive   one clear line and status 1 when the package archive is unreachable
#
# The base is a tarball that `mmdebstrap --variant=apt bookworm` made from this machine's apt
# sources. It is cached outside the checkout (FRESH_ROOT_CACHE, by default
# ${XDG_CACHE_HOME:-$HOME/.cache}/skinbench-ci), keyed on the day and on the apt sources, and never
# changed once written: every package a stage needs is installed inside its own root.
#
# Typical use:
#   . scripts/ci/fresh_root.sh
#   root=$(mktemp -d /tmp/root.XXXXXX)
#   trap 'fresh_root_remove "$root"' EXIT
#   trap 'exit 1' INT TERM HUP          # so that a signal also runs the EXIT trap
#   fresh_root_make "$root"
#   fresh_root_clone "$root" .
#   fresh_root_run "$root" bash -c 'cd /root/skinbench && scripts/test.sh'

FRESH_ROOT_CACHE=${FRESH_ROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skinbench-ci}
FRESH_ROOT_SUITE=${FRESH_ROOT_SUITE:-bookworm}
# Each root lives in a tmpfs of this size (0: on the disk, in DIR itself).
FRESH_ROOT_TMPFS_SIZE=${FRESH_ROOT_TMPFS_SIZE:-10G}

# This machine's apt sources, in the order apt reads them.
fresh_root_sources() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources; do
    [ -s "$file" ] && printf '%s\n' "$file"
  done
  return 0
}

# The archive URIs named in those sources (one-line and deb822 style alike).
fresh_root_archive_uris() {
  local file
  fresh_root_sources | while read -r file; do
    sed -n -e 's/^[[:space:]]*URIs:[[:space:]]*//p' \
      -e 's/^[[:space:]]*deb\(-src\)\?[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\3/p' \
      "$file"
  done | tr ' ' '\n' | sed '/^$/d' | sort -u
}

fresh_root_check_archive() {
  local uri scratch
  scratch=$(mktemp)
  for uri in $(fresh_root_archive_uris); do
    case "$uri" in file:* | cdrom:*) continue ;; esac
    # apt's own downloader: present on every Debian machine, honours apt's proxy settings.
    if ! timeout 60 /usr/lib/apt/apt-helper download-file \
      "${uri%/}/dists/$FRESH_ROOT_SUITE/Release" "$scratch" >/dev/null 2>&1 &&
      ! timeout 60 /usr/lib/apt/apt-helper download-file \
        "${uri%/}/dists/$FRESH_ROOT_SUITE-security/Release" "$scratch" >/dev/null 2>&1; then
      rm -f "$scratch"
      echo "error: the package archive $uri cannot be reached (no network or a wrong apt source?)" >&2
      return 1
    fi
  done
  rm -f "$scratch"
}

# The cached base tarball's path; makes it when missing. Status output goes to stderr.
fresh_root_base() {
  local key base
  key=$(date -u +%Y%m%d)-$(fresh_root_sources | xargs cat | sha256sum | cut -c1-12)
  base=$FRESH_ROOT_CACHE/base-$FRESH_ROOT_SUITE-$key.tar
  mkdir -p "$FRESH_ROOT_CACHE" || return 1
  (
    # One maker at a time; a second caller waits and then finds the tarball.
    flock 9
    [ -s "$base" ] && exit 0
    fresh_root_check_archive || exit 1
    echo "Making the base root $base with mmdebstrap" >&2
    local sources=() file
    while read -r file; do sources+=("$file"); done < <(fresh_root_sources)
    mmdebstrap --quiet --variant=apt --format=tar "$FRESH_ROOT_SUITE" "$base.partial" \
      "${sources[@]}" >&2 ||
      { rm -f "$base.partial"; echo "error: mmdebstrap could not make the base root" >&2; exit 1; }
    mv "$base.partial" "$base"
    # Older bases of the same suite are no use any more.
    find "$FRESH_ROOT_CACHE" -maxdepth 1 -name "base-$FRESH_ROOT_SUITE-*.tar" ! -name "${base##*/}" \
      -delete
  ) 9>"$FRESH_ROOT_CACHE/lock" || return 1
  printf '%s\n' "$base"
}

fresh_root_make() {
  local dir=$1 base
  [ "$(id -u)" -eq 0 ] || { echo "error: fresh roots need root" >&2; return 1; }
  command -v mmdebstrap >/dev/null ||
    { echo "error: mmdebstrap is missing (scripts/deps.sh ci installs it)" >&2; return 1; }
  base=$(fresh_root_base) || return 1
  mkdir -p "$dir" || return 1
  # In memory by default: dpkg's many small synced writes and the final delete are then quick.
  if [ "$FRESH_ROOT_TMPFS_SIZE" != 0 ]; then
    mount -t tmpfs -o "size=$FRESH_ROOT_TMPFS_SIZE,mode=755" fresh-root "$dir" || return 1
  fi
  tar -xpf "$base" -C "$dir" || return 1
  rm -f "$dir/etc/resolv.conf"
  cp -L /etc/resolv.conf "$dir/etc/resolv.conf" || return 1
  mount -t proc proc "$dir/proc" &&
    mount --bind /sys "$dir/sys" &&
    mount --bind /dev "$dir/dev" &&
    mount --bind /dev/pts "$dir/dev/pts"
}

fresh_root_run() {
  local dir=$1
  shift
  chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${CI:+CI="$CI"} "$@"
}

fresh_root_clone() {
  git clone --quiet --no-hardlinks "$2" "$1/root/skinbench"
}

# Mount points at or under DIR, deepest first.
fresh_root_mounts() {
  local dir
  dir=$(realpath -m "$1")
  awk -v d="$dir" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

fresh_root_remove() {
  local dir=$1 real link pid mount
  [ -n "$dir" ] && [ -d "$dir" ] || return 0
  real=$(realpath -m "$dir")
  [ "$real" != / ] || return 0
  # Whatever still runs with this root (an X server, a D-Bus daemon) would keep it busy.
  for link in /proc/[0-9]*/root; do
    [ "$(readlink "$link" 2>/dev/null)" = "$real" ] || continue
    pid=${link#/proc/}
    pid=${pid%/root}
    kill -KILL "$pid" 2>/dev/null
  done
  for mount in $(fresh_root_mounts "$real"); do
    umount "$mount" 2>/dev/null || umount --lazy "$mount" 2>/dev/null
  done
  if [ -n "$(fresh_root_mounts "$real")" ]; then
    echo "warning: $real is still mounted; left in place" >&2
    return 0
  fi
  # --one-file-system: never walk into anything that is still bound from the host.
  rm -rf --one-file-system "$real" 2>/dev/null
  return 0
}
