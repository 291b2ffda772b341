#!/usr/bin/env bash
# Checks the release's signing on a copy of a program, with throw-away self-signed
# code-signing certificates: the signature made from a PEM key and from a password-
# protected PKCS#12 file verifies, a signature is refused by a verification that trusts
# another certificate, and the signed program still starts under Wine.
#
#   bash scripts/check-signing.sh PROGRAM.exe [PROGRAM64.exe]
#
# On a machine that runs no 32-bit programs (scripts/machine.sh) a signed 32-bit program
# cannot start; PROGRAM64.exe, a 64-bit build of the same program, is then signed the
# same way and started instead.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || [ $# -eq 2 ] ||
    { echo "usage: bash scripts/check-signing.sh PROGRAM.exe [PROGRAM64.exe]" >&2; exit 2; }
program=$1
program64=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/tzp-sign.XXXXXX")
trap 'rm -rf "$work"' EXIT

certificate() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$2" \
        -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
        -keyout "$work/$1.key" -out "$work/$1.pem" 2>/dev/null
}
certificate signer "Tessaly Zivozod Pack test signer"
certificate stranger "Somebody else"
openssl pkcs12 -export -in "$work/signer.pem" -inkey "$work/signer.key" \
    -passout pass:throw-away -out "$work/signer.p12"

fail() { echo "signing: $*" >&2; exit 1; }
if osslsigncode verify -in "$program" >/dev/null 2>&1; then
    fail "$program is signed already: the check needs an unsigned program"
fi
TZP_SIGN_CERT=$work/signer.pem TZP_SIGN_KEY=$work/signer.key TZP_SIGN_CA=$work/signer.pem \
    bash scripts/sign.sh "$program" "$work/pem.exe" || fail "signing with the PEM key failed"
TZP_SIGN_PKCS12=$work/signer.p12 TZP_SIGN_PASSWORD=throw-away TZP_SIGN_CA=$work/signer.pem \
    bash scripts/sign.sh "$program" "$work/tzpcp.exe" || fail "signing with the PKCS#12 file failed"
if TZP_SIGN_CERT=$work/signer.pem TZP_SIGN_KEY=$work/signer.key TZP_SIGN_CA=$work/stranger.pem \
    bash scripts/sign.sh "$program" "$work/stranger.exe" >/dev/null 2>&1; then
    fail "a verification that trusts another certificate accepted the signature"
fi
[ ! -e "$work/stranger.exe" ] || fail "a signature that does not verify was left in place"
# What is signed is the program's own bytes: taking the signature off gives them back.
osslsigncode remove-signature -in "$work/tzpcp.exe" -out "$work/unsigned.exe" >/dev/null
cmp -s "$program" "$work/unsigned.exe" || fail "the signed program is not the program plus a signature"

started=$work/tzpcp.exe
bits=$(x86_64-w64-mingw32-objdump -f "$program" 2>/dev/null | grep -o 'pei-[a-z0-9-]*' | head -n 1)
source scripts/machine.sh
tzp_detect_32bit
if [ "$bits" = pei-i386 ] && [ "$TZP_RUNS_32BIT" = no ]; then
    [ -n "$program64" ] || fail "$TZP_NO_32BIT_REASON, so the signed 32-bit program cannot start: name a 64-bit one too"
    mkdir "$work/64"
    TZP_SIGN_PKCS12=$work/signer.p12 TZP_SIGN_PASSWORD=throw-away TZP_SIGN_CA=$work/signer.pem \
        bash scripts/sign.sh "$program64" "$work/64/tzpcp.exe" || fail "signing $program64 failed"
    started=$work/64/tzpcp.exe
    echo "signing: $TZP_NO_32BIT_REASON: the signed 64-bit copy of $program64 is started instead"
fi
out=$(tests/support/wine-run.sh "$started" /? 2>/dev/null) || fail "the signed program failed under Wine"
grep -q '^Tessaly Zivozod Pack Control Panel [0-9.]*'$'\r''$' <<<"$out" ||
    fail "the signed program did not print its usage under Wine: $out"
echo "signing: signed ($(sha256sum <"$work/tzpcp.exe" | cut -d' ' -f1)), verified, started under Wine$([ "$started" = "$work/tzpcp.exe" ] || echo " (the 64-bit copy)")"
