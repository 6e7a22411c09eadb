#pragma once

#include <sys/resource.h>

// A full disk in miniature: while it lives, no file of this process (or of
// a program it starts) grows beyond bytes; a write past it fails with
// "File too large" instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before;
    void (*m_signal)(int);
};
