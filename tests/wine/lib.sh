# Shared by the tests of the Windows program under Wine: each sources this file with the
# Windows executable as its first argument, and gets the end-to-end tests' library with the
# program run under Wine (windows.sh). An end-to-end test of the Linux program runs so too, with
# TSVETOZNAK_UNDER_WINE set.
export TSVETOZNAK_UNDER_WINE=1
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" "$1"
