#!/usr/bin/env bash
# Checks that every C++ source is formatted as .clang-format has it; lists the
# files that are not and fails. `clang-format -i FILE` puts one right.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/deps.sh" clang-format
mapfile -t files < <(find src tests bench fuzz packaging \( -name '*.cpp' -o -name '*.h' \) -print | sort)
clang-format --dry-run -Werror "${files[@]}"
echo "format check: ${#files[@]} files as .clang-format has them"
