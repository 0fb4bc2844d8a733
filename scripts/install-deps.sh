#!/bin/sh
# Installs the Debian packages the build and the tests need, and any packages named as
# arguments, when missing.
set -e
packages="cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 xvfb xauth xdotool $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
