#!/usr/bin/env bash
# Builds the plain C++ table reader test with the machine's own compiler (clang, the
# installed GoogleTest) and runs it.
#   native.sh <source root> <output folder>
set -euo pipefail
root="$1"
out="$2"
mkdir -p "$out"
sources=("$root/tests/transfer/TransferReaderTest.cpp" "$root/src/transfer/CChroTableReader.cpp"
         "$root/src/transfer/CChroTableWriter.cpp" "$root/src/transfer/CDelimitedReader.cpp"
         "$root/src/transfer/ChroRecordCodec.cpp" "$root/src/transfer/TableColumns.cpp"
         "$root/src/dialogs/ChroRules.cpp")
target="$out/test_transfer_native"
if [ ! -x "$target" ] || [ -n "$(find "${sources[@]}" "$root/src/transfer" "$root/tests/transfer" -newer "$target" -name '*.[ch]*' | head -1)" ]; then
    clang++ -std=c++20 -O1 -Wall -Wextra -Werror -I"$root/src/transfer" -I"$root/src/dialogs" \
        -I"$root/libraries/listdata" "${sources[@]}" -lgtest -lgtest_main -pthread -o "$target"
fi
exec "$target" --gtest_color=no
