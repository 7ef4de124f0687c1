/* The yardstick: the same safe replacement as WriteNewDocument, written as plainly as C allows
 * and with nothing but the steps themselves: temporary file, write, fsync, close, rename, fsync
 * of the folder. No checks of the target, no error texts. */
#define _GNU_SOURCE
#include "bare_write.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

int bare_write(const char* folder, const char* name, const unsigned char* bytes, size_t size) {
    const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return -1;
    }
    const char* temporary = ".bare-XXXXXX";
    const int fd =
        openat(dir, temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    int ok = fd >= 0;
    size_t done = 0;
    while (ok && done < size) {
        const ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        done += ok ? (size_t)n : 0;
    }
    ok = ok && fsync(fd) == 0;
    ok = fd >= 0 && close(fd) == 0 && ok;
    ok = ok && renameat(dir, temporary, dir, name) == 0;
    if (!ok) {
        unlinkat(dir, temporary, 0);
    }
    ok = ok && fsync(dir) == 0;
    close(dir);
    return ok ? 0 : -1;
}
