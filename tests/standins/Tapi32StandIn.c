/* A stand-in for Assisted Telephony's TAPI32.DLL, for tests only: each call
 * request is appended as one line "destination<TAB>application<TAB>called
 * party<TAB>comment" to the file named by TOLLWICK_TAPI_LOG, and answered with
 * the value of TOLLWICK_TAPI_RESULT (decimal, or 0x... hex; default 0). */
#define WIN32_LEAN_AND_MEAN
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static const char* Text(LPCSTR text) {
    return text != NULL ? text : "(null)";
}

LONG WINAPI tapiRequestMakeCall(LPCSTR destination, LPCSTR application, LPCSTR calledParty, LPCSTR comment) {
    char path[MAX_PATH];
    char result[32];
    DWORD length = GetEnvironmentVariableA("TOLLWICK_TAPI_LOG", path, sizeof path);
    if (length > 0 && length < sizeof path) {
        FILE* log = fopen(path, "ab");
        if (log != NULL) {
            fprintf(log, "%s\t%s\t%s\t%s\n", Text(destination), Text(application), Text(calledParty),
                    Text(comment));
            fclose(log);
        }
    }
    length = GetEnvironmentVariableA("TOLLWICK_TAPI_RESULT", result, sizeof result);
    if (length == 0 || length >= sizeof result) return 0;
    /* Through unsigned so that 0x80000049 and -2 both come out as written. */
    return (LONG)strtoul(result, NULL, 0);
}
