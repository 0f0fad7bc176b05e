#!/usr/bin/env bash
# Prints the two download-server credentials as the program keeps them: the user name and the
# password, each enciphered with AES-128-ECB (PKCS#7 padding) under the credential key and
# written as lower-case hexadecimal text, one per line.
#
#   tools/encrypter/make-credentials.sh USER PASSWORD
#
# The key is the program's credential channel name, used as its own 16-byte key. This only
# keeps the texts out of plain sight in the binary: anyone with the program can decipher them.
# The user name must be 16 to 31 bytes long and the password 48 to 63 bytes, so that they give
# 64 and 128 hexadecimal digits.
set -euo pipefail

key=/quartz-fieldkey

if [ $# -ne 2 ]; then
  echo "usage: $0 USER PASSWORD" >&2
  exit 2
fi

hex() { od -An -tx1 | tr -d ' \n'; }

check_length() {
  local length
  length=$(printf '%s' "$2" | wc -c)
  if [ "$length" -lt "$3" ] || [ "$length" -gt "$4" ]; then
    echo "$0: the $1 must be $3 to $4 bytes long, not $length" >&2
    exit 1
  fi
}

check_length "user name" "$1" 16 31
check_length "password" "$2" 48 63
for text in "$1" "$2"; do
  printf '%s' "$text" | openssl enc -aes-128-ecb -K "$(printf '%s' "$key" | hex)" | hex
  echo
done
