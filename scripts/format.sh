#!/usr/bin/env bash
# Formats every C++ source with the repository's .clang-format;
# with --check, only reports the files that are not formatted and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--check" ]; then
    git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
else
    git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format -i
fi
