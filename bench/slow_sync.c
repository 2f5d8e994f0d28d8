/* Preloaded into a program (LD_PRELOAD), makes every fsync and fdatasync
 * of the process wait DV_SYNC_DELAY_MS milliseconds (0 unless told) after
 * the real call, as a slow disk would, and counts them: the program reads
 * the count through dv_sync_count(), found with dlsym(RTLD_DEFAULT).
 *
 *   DV_SYNC_DELAY_MS=8 LD_PRELOAD=build-release/libdv_slow_sync.so ./build-release/dorvane_bench
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>
#include <time.h>

static long long syncs;

long long dv_sync_count(void) { return __atomic_load_n(&syncs, __ATOMIC_RELAXED); }

static void wait_as_a_slow_disk(void)
{
    static long delay_us = -1;
    if (delay_us < 0) {
        const char* ms = getenv("DV_SYNC_DELAY_MS");
        delay_us = ms ? (long)(atof(ms) * 1000.0) : 0;
        if (delay_us < 0)
            delay_us = 0;
    }
    __atomic_add_fetch(&syncs, 1, __ATOMIC_RELAXED);
    struct timespec t = {delay_us / 1000000, (delay_us % 1000000) * 1000};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

static int call_real(const char* name, int fd)
{
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, name);
    if (!real) {
        errno = ENOSYS;
        return -1;
    }
    const int saved = errno;
    const int rc = real(fd);
    const int err = errno;
    wait_as_a_slow_disk();
    errno = rc == 0 ? saved : err;
    return rc;
}

int fsync(int fd) { return call_real("fsync", fd); }
int fdatasync(int fd) { return call_real("fdatasync", fd); }
