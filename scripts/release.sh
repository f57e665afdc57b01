#!/usr/bin/env bash
# Builds both programs and puts the shipping i686 executable, the x86_64 one and SHA256SUMS into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
rm -rf dist
mkdir -p dist
cp build/i686/app/QorvelNetRepair.exe dist/QorvelNetRepair.exe
cp build/x86_64/app/QorvelNetRepair.exe dist/QorvelNetRepair-x64.exe
(cd dist && sha256sum QorvelNetRepair.exe QorvelNetRepair-x64.exe > SHA256SUMS)
cat dist/SHA256SUMS
