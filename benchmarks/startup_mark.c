/* Preloaded into a program to time its start-up: the first call to
 * SDL_PumpEvents or SDL_WaitEvent, where an SDL program starts waiting for its
 * player, is the mark. There it writes to the file named by STARTUP_MARK_FILE
 * the nanoseconds since the CLOCK_MONOTONIC time in STARTUP_T0 (set by the
 * launcher just before execve), or the bare clock without STARTUP_T0, and ends
 * the process at once with status 0, before SDL or anything else runs further. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static void mark(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
    const char* t0 = getenv("STARTUP_T0");
    if (t0 != NULL)
        ns -= atoll(t0);
    const char* path = getenv("STARTUP_MARK_FILE");
    if (path != NULL) {
        int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dprintf(fd, "%lld\n", ns);
            close(fd);
        }
    }
    _exit(0);
}

/* The SDL types stay out: neither function returns. */
void SDL_PumpEvents(void)
{
    mark();
}

int SDL_WaitEvent(void* event)
{
    (void)event;
    mark();
    return 0;
}
