#!/usr/bin/env bash
# Fails when the output of the tests that ran before it in this CTest run (CTest's running log)
# holds the password of the cloud_server fixture, plain or inside a Basic Authorization header
# (the server's passwords use only characters that percent-encoding leaves as they are).
# Prints neither the password nor the lines that hold it.
#
#   no-password-in-output.sh FIXTURE_URL_FILE CTEST_TEMPORARY_DIR
set -euo pipefail
url_file=$1
log=$2/LastTest.log.tmp

url=$(cat "$url_file")
user_info=${url#*://}
user_info=${user_info%%@*}
user=${user_info%%:*}
password=${user_info#*:}
if [ -z "$password" ] || [ "$password" = "$user_info" ]; then
    echo "no-password-in-output: $url_file holds no password" >&2
    exit 1
fi
if [ ! -f "$log" ]; then
    echo "no-password-in-output: $log is missing; run this check through ctest" >&2
    exit 1
fi

basic=$(printf '%s:%s' "$user" "$password" | base64 -w0)
for secret in "$password" "$basic"; do
    if grep -qF -- "$secret" "$log"; then
        echo "no-password-in-output: the fixture server's password is in the output of an earlier test" >&2
        exit 1
    fi
done
echo "no-password-in-output: $(wc -l < "$log") lines of test output checked"
