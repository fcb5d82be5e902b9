#!/usr/bin/env bash
# Installs the Debian packages of a list (default scripts/packages.txt) that are
# not installed yet.
set -euo pipefail
list="${1:-$(dirname "$0")/packages.txt}"
missing=()
while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done < "$list"
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null; then
        sudo=(sudo)
    else
        echo "error: packages missing (${missing[*]}) and not root; install them with apt-get as root" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get update -q >/dev/null || ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "error: could not install ${missing[*]} with apt-get; install them by hand and try again" >&2
    exit 1
fi
