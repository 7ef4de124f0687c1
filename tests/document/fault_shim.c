/* A preloaded library that counts the file calls a program makes and upsets one of them.
 *
 * Environment:
 *   TBR_FAULT_CALL=N      the call to upset, counting from 1 (0 or unset: none)
 *   TBR_FAULT_ACTION=...  fail  : return -1 with errno TBR_FAULT_ERRNO (default EIO), do nothing
 *                         kill  : SIGKILL the process just before the call
 *                         eintr : return -1 with errno EINTR, do nothing
 *                         short : a write writes only half of its bytes (other calls: as usual)
 *   TBR_FAULT_TRACE=path  append "N name" for every counted call
 *   TBR_FAULT_SKIP_FOLDER_SYNC=1
 *                         fsync/fdatasync of a folder returns 0 without flushing anything: turns
 *                         a sound writer into one that forgets the folder flush (a control for
 *                         the power-loss test)
 *
 * Only calls through these public symbols are seen; glibc's stdio writes internally and is not
 * counted, nor are the dynamic loader's own calls. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum action { ACT_NONE, ACT_FAIL, ACT_KILL, ACT_EINTR, ACT_SHORT };
enum verdict { GO_ON, REFUSE, HALVE };

static int g_ready;
static long g_target;
static enum action g_action;
static int g_errno = EIO;
static const char* g_trace;
static int g_skip_folder_sync;
static long g_count;

/* The next definition of a symbol (normally glibc's). */
#define REAL(fn)                                      \
    static __typeof__(&fn) real_##fn;                 \
    if (real_##fn == NULL) {                          \
        void* symbol_ = dlsym(RTLD_NEXT, #fn);        \
        if (symbol_ == NULL) {                        \
            abort();                                  \
        }                                             \
        memcpy(&real_##fn, &symbol_, sizeof symbol_); \
    }

static void init(void) {
    if (g_ready) {
        return;
    }
    g_ready = 1;
    const char* call = getenv("TBR_FAULT_CALL");
    const char* action = getenv("TBR_FAULT_ACTION");
    const char* code = getenv("TBR_FAULT_ERRNO");
    const char* skip = getenv("TBR_FAULT_SKIP_FOLDER_SYNC");
    g_target = call != NULL ? strtol(call, NULL, 10) : 0;
    if (action != NULL) {
        g_action = strcmp(action, "fail") == 0    ? ACT_FAIL
                   : strcmp(action, "kill") == 0  ? ACT_KILL
                   : strcmp(action, "eintr") == 0 ? ACT_EINTR
                   : strcmp(action, "short") == 0 ? ACT_SHORT
                                                  : ACT_NONE;
    }
    if (code != NULL) {
        g_errno = (int)strtol(code, NULL, 10);
    }
    g_trace = getenv("TBR_FAULT_TRACE");
    g_skip_folder_sync = skip != NULL && strcmp(skip, "1") == 0;
}

static void trace(long n, const char* name) {
    REAL(open);
    REAL(write);
    REAL(close);
    char line[64];
    const int length = snprintf(line, sizeof line, "%ld %s\n", n, name);
    const int fd = real_open(g_trace, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd >= 0 && length > 0) {
        (void)!real_write(fd, line, (size_t)length);
    }
    if (fd >= 0) {
        real_close(fd);
    }
}

/* Counts a call and says what to do with it. */
static enum verdict upset(const char* name) {
    init();
    const long n = ++g_count;
    if (g_trace != NULL) {
        trace(n, name);
    }
    if (n != g_target) {
        return GO_ON;
    }
    switch (g_action) {
        case ACT_KILL:
            kill(getpid(), SIGKILL);
            for (;;) {
                pause();
            }
        case ACT_FAIL:
            errno = g_errno;
            return REFUSE;
        case ACT_EINTR:
            errno = EINTR;
            return REFUSE;
        case ACT_SHORT:
            return HALVE;
        case ACT_NONE:
            break;
    }
    return GO_ON;
}

static mode_t mode_argument(int flags, va_list args) {
    return (flags & (O_CREAT | __O_TMPFILE)) != 0 ? (mode_t)va_arg(args, int) : 0;
}

int open(const char* path, int flags, ...) {
    REAL(open);
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_argument(flags, args);
    va_end(args);
    return upset("open") == REFUSE ? -1 : real_open(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    REAL(open64);
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_argument(flags, args);
    va_end(args);
    return upset("open64") == REFUSE ? -1 : real_open64(path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...) {
    REAL(openat);
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_argument(flags, args);
    va_end(args);
    /* A file opened only for reading is the replaced file, read for its metadata. */
    const int reading = (flags & O_ACCMODE) == O_RDONLY && (flags & O_DIRECTORY) == 0;
    return upset(reading ? "openat-read" : "openat") == REFUSE
               ? -1
               : real_openat(folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...) {
    REAL(openat64);
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_argument(flags, args);
    va_end(args);
    return upset("openat64") == REFUSE ? -1 : real_openat64(folder, path, flags, mode);
}

int creat(const char* path, mode_t mode) {
    REAL(creat);
    return upset("creat") == REFUSE ? -1 : real_creat(path, mode);
}

ssize_t write(int fd, const void* bytes, size_t count) {
    REAL(write);
    switch (upset("write")) {
        case REFUSE:
            return -1;
        case HALVE:
            return real_write(fd, bytes, count > 1 ? count / 2 : count);
        case GO_ON:
            break;
    }
    return real_write(fd, bytes, count);
}

static int is_folder(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

int fsync(int fd) {
    REAL(fsync);
    if (upset("fsync") == REFUSE) {
        return -1;
    }
    return g_skip_folder_sync && is_folder(fd) ? 0 : real_fsync(fd);
}

int fdatasync(int fd) {
    REAL(fdatasync);
    if (upset("fdatasync") == REFUSE) {
        return -1;
    }
    return g_skip_folder_sync && is_folder(fd) ? 0 : real_fdatasync(fd);
}

int close(int fd) {
    REAL(close);
    return upset("close") == REFUSE ? -1 : real_close(fd);
}

int rename(const char* from, const char* to) {
    REAL(rename);
    return upset("rename") == REFUSE ? -1 : real_rename(from, to);
}

int renameat(int from_folder, const char* from, int to_folder, const char* to) {
    REAL(renameat);
    return upset("renameat") == REFUSE ? -1 : real_renameat(from_folder, from, to_folder, to);
}

int renameat2(int from_folder, const char* from, int to_folder, const char* to, unsigned flags) {
    REAL(renameat2);
    return upset("renameat2") == REFUSE ? -1
                                        : real_renameat2(from_folder, from, to_folder, to, flags);
}

int unlink(const char* path) {
    REAL(unlink);
    return upset("unlink") == REFUSE ? -1 : real_unlink(path);
}

int unlinkat(int folder, const char* path, int flags) {
    REAL(unlinkat);
    return upset("unlinkat") == REFUSE ? -1 : real_unlinkat(folder, path, flags);
}

int fstatat(int folder, const char* path, struct stat* info, int flags) {
    REAL(fstatat);
    return upset("fstatat") == REFUSE ? -1 : real_fstatat(folder, path, info, flags);
}

int fstatat64(int folder, const char* path, struct stat64* info, int flags) {
    REAL(fstatat64);
    return upset("fstatat64") == REFUSE ? -1 : real_fstatat64(folder, path, info, flags);
}

int lstat(const char* path, struct stat* info) {
    REAL(lstat);
    return upset("lstat") == REFUSE ? -1 : real_lstat(path, info);
}
