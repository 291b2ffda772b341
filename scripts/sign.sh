#!/usr/bin/env bash
# Signs one program with an Authenticode signature (SHA-256) and verifies it:
#
#   bash scripts/sign.sh UNSIGNED.exe SIGNED.exe
#
# The certificate comes from the environment, never from the command line:
#   TZP_SIGN_CERT and TZP_SIGN_KEY      the certificate (chain) and its private key, PEM or
#                                       DER files; TZP_SIGN_KEY_PASSWORD if the key is encrypted
#   or TZP_SIGN_PKCS12                  a PKCS#12 file, with TZP_SIGN_PASSWORD
#   TZP_SIGN_TIMESTAMP (optional)       an RFC 3161 timestamp server's address, so that the
#                                       signature stays valid after the certificate expires
#   TZP_SIGN_CA (optional)              the certificates the verification trusts (default:
#                                       the system's); a self-signed certificate names itself
# The password reaches osslsigncode through a file descriptor, so no process list shows it.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: bash scripts/sign.sh UNSIGNED.exe SIGNED.exe" >&2; exit 2; }
unsigned=$1 signed=$2
if [ -n "${TZP_SIGN_PKCS12:-}" ]; then
    credentials=(-pkcs12 "$TZP_SIGN_PKCS12")
    password=${TZP_SIGN_PASSWORD:-}
elif [ -n "${TZP_SIGN_CERT:-}" ] && [ -n "${TZP_SIGN_KEY:-}" ]; then
    credentials=(-certs "$TZP_SIGN_CERT" -key "$TZP_SIGN_KEY")
    password=${TZP_SIGN_KEY_PASSWORD:-}
else
    echo "sign.sh: no certificate: set TZP_SIGN_CERT and TZP_SIGN_KEY, or TZP_SIGN_PKCS12" >&2
    exit 2
fi
for file in "${credentials[@]:1:1}" "${credentials[@]:3:1}"; do
    [ -r "$file" ] || { echo "sign.sh: cannot read $file" >&2; exit 1; }
done

args=(sign "${credentials[@]}" -h sha256 -n "Tessaly Zivozod Pack Control Panel")
[ -n "${TZP_SIGN_TIMESTAMP:-}" ] && args+=(-ts "$TZP_SIGN_TIMESTAMP")
rm -f "$signed"
if [ -n "$password" ]; then
    osslsigncode "${args[@]}" -readpass <(printf '%s' "$password") -in "$unsigned" -out "$signed" \
        >/dev/null
else
    osslsigncode "${args[@]}" -in "$unsigned" -out "$signed" >/dev/null
fi

verify=(verify -in "$signed")
[ -n "${TZP_SIGN_CA:-}" ] && verify+=(-CAfile "$TZP_SIGN_CA")
if ! report=$(osslsigncode "${verify[@]}" 2>&1); then
    echo "$report" >&2
    echo "sign.sh: the signature of $signed does not verify" >&2
    rm -f "$signed"
    exit 1
fi
signer=$(grep -m 1 'Subject:' <<<"$report" | sed 's/.*Subject: *//')
echo "$signed: signed (SHA-256) by $signer; $(grep -m 1 '^Signature verification' <<<"$report")"
