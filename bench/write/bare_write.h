/* A bare C writer that replaces folder/name with the given bytes the safe way. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* 0 on success, -1 on any failure. */
int bare_write(const char* folder, const char* name, const unsigned char* bytes, size_t size);

#ifdef __cplusplus
}
#endif
