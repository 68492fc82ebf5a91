#pragma once

#include <sys/types.h>

struct stat;

namespace vantor {

// The calls to the operating system that the core's file operations make,
// through one table, so that a test can make any of them fail as a faulty
// disk, a full one or an interrupted call would. Nothing else changes it.
struct SystemCalls {
    int (*openat)(int folder, const char* name, int flags, mode_t mode);
    int (*close)(int fd);
    int (*fstat)(int fd, struct stat* info);
    int (*fstatat)(int folder, const char* name, struct stat* info, int flags);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*write)(int fd, const void* buffer, size_t size);
    int (*fsync)(int fd);
    int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
    int (*linkat)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*unlinkat)(int folder, const char* name, int flags);
    ssize_t (*readlinkat)(int folder, const char* name, char* buffer, size_t size);
    int (*flock)(int fd, int operation);
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*fchmod)(int fd, mode_t mode);
    char* (*getcwd)(char* buffer, size_t size);
};

// The table in use: the system's own calls unless a test replaced one.
SystemCalls& System();

} // namespace vantor
