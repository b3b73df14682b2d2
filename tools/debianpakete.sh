# Sourced by the tools and by CI: installs those of the named Debian packages that are
# missing, through sudo when not run as root.
pakete_installieren() {
  local fehlend=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  [ "${#fehlend[@]}" -gt 0 ] || return 0
  local als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  echo "Installiere: ${fehlend[*]}"
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}
