# Shell functions for the scripts that install Debian packages (scripts/deps.sh) and build
# libraries from Debian's own source packages (scripts/windows-deps.sh, scripts/web-deps.sh).
# Sourced, not run; `sources` names the folder that source packages are unpacked into.

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# Source packages come from the very archive the machine installs its binaries from.
ensure_deb_src() {
  local known
  known=$(apt-cache showsrc freetype 2>/dev/null || true)
  [[ "$known" == *Version:* ]] && return 0
  if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
    # deb822 stanzas of Debian's archive, again with Types: deb-src.
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[^\n]*deb/ && /URIs:[^\n]*debian/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' /etc/apt/sources.list.d/*.sources |
      $sudo tee /etc/apt/sources.list.d/frosty-deb-src.sources >/dev/null
  fi
  if [[ -f /etc/apt/sources.list ]]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $sudo tee /etc/apt/sources.list.d/frosty-deb-src.list >/dev/null || true
  fi
  $sudo apt-get update -qq
}

# Unpacks the newest version of a source package that the archive really serves (a mirror
# may list a security update whose files it does not hold) and prints its folder.
fetch_source() {
  local package="$1" version
  mkdir -p "$sources"
  for version in $(apt-cache showsrc "$package" | awk '/^Version:/ {print $2}' | sort -r -V); do
    if (cd "$sources" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
      find "$sources" -maxdepth 1 -type d -name "$(upstream_dir "$package" "$version")" | head -n1
      return 0
    fi
  done
  echo "cannot fetch the source package $package" >&2
  return 1
}

upstream_dir() {
  local package="$1" version="$2" upstream
  upstream="${version#*:}"
  upstream="${upstream%-*}"
  echo "$package-${upstream%+dfsg}*"
}

# The source versions a build was made from, as one line, to tell whether a cached build is
# still the one the archive would give.
source_versions() {
  apt-cache showsrc "$@" | awk '/^Version:/ {print $2}' | sort | tr '\n' ' '
}

# Copies a finished build (its folder holds .versions) from the per-machine cache, or keeps the
# one in place; false when neither was built from `versions`.
restore_built() {
  local prefix="$1" cache="$2"
  built_for() { [[ -f "$1/.versions" && "$(cat "$1/.versions")" == "$versions" ]]; }
  built_for "$prefix" && return 0
  built_for "$cache" || return 1
  rm -rf "$prefix" && mkdir -p "$(dirname "$prefix")" && cp -a "$cache" "$prefix"
}

# Marks a finished build with its versions and keeps a copy in the per-machine cache.
keep_built() {
  local prefix="$1" cache="$2"
  echo "$versions" >"$prefix/.versions"
  rm -rf "$cache" && mkdir -p "$(dirname "$cache")" && cp -a "$prefix" "$cache"
}
