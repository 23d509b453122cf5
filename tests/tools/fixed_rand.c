/* Preloaded into the real game by the window tests, so that a test chooses its
 * boards from outside the program: rand() returns the numbers listed in the file
 * named by FIXED_RAND_FILE (decimal, separated by blanks), then FIXED_RAND_AFTER
 * for ever (default 1: a draw that never places a tile). srand() changes nothing.
 * FIXED_RAND_COUNT names a file that receives the number of draws at exit. */
#include <stdio.h>
#include <stdlib.h>

static int* draws;
static size_t count, next;
static long calls;
static int after = 1;
static int loaded;

static void report(void)
{
    const char* path = getenv("FIXED_RAND_COUNT");
    FILE* out = path ? fopen(path, "w") : NULL;
    if (out) {
        fprintf(out, "%ld\n", calls);
        fclose(out);
    }
}

static void load(void)
{
    loaded = 1;
    atexit(report);
    const char* value = getenv("FIXED_RAND_AFTER");
    if (value)
        after = atoi(value);
    const char* path = getenv("FIXED_RAND_FILE");
    if (!path)
        return;
    FILE* in = fopen(path, "r");
    if (!in) {
        perror(path);
        abort();
    }
    size_t capacity = 0;
    long draw;
    while (fscanf(in, "%ld", &draw) == 1) {
        if (count == capacity) {
            capacity = capacity ? 2 * capacity : 4096;
            draws = realloc(draws, capacity * sizeof *draws);
            if (!draws)
                abort();
        }
        draws[count++] = (int)draw;
    }
    fclose(in);
}

int rand(void)
{
    if (!loaded)
        load();
    ++calls;
    return next < count ? draws[next++] : after;
}

void srand(unsigned seed)
{
    (void)seed;
    if (!loaded)
        load();
}
