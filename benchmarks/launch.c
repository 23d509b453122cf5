/* Starts a program with the CLOCK_MONOTONIC time of its start, in nanoseconds,
 * in its environment as STARTUP_T0: read just before execve, so that what the
 * program's start-up is timed from is the loading of the program itself.
 *
 * usage: launch PROGRAM [ARGUMENT...]   (PROGRAM with its path) */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: launch PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    /* Room for any 64-bit number: putenv keeps this very buffer, so the time
     * written into it after the call is what execve passes on. */
    static char variable[] = "STARTUP_T0=00000000000000000000";
    if (putenv(variable) != 0) {
        perror("putenv");
        return 2;
    }
    char* digits = variable + sizeof "STARTUP_T0=" - 1;
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    snprintf(digits, sizeof variable - (digits - variable), "%lld", now.tv_sec * 1000000000LL + now.tv_nsec);
    execv(argv[1], argv + 1);
    perror(argv[1]);
    return 127;
}
