#pragma once
// A file layer over the database library's default one, made the default
// while it lives: it counts every sync of the process and every file
// operation of the database library, and can make
// the disk fill up under one file or end the process at a given operation
// as kill -9 would. One at a time.
#include <QByteArray>

namespace dvtest {

class FileLayer {
public:
    FileLayer();
    ~FileLayer();
    FileLayer(const FileLayer&) = delete;
    FileLayer& operator=(const FileLayer&) = delete;

    long long syncs = 0;          // fsync and fdatasync calls of the whole process
    long long operations = 0;     // opens, reads, writes, syncs, truncations, closes, deletions
    long long killAt = 0;         // SIGKILL at this operation (counted from 1); 0 never
    QByteArray fullFile;          // writes to a file whose name ends so ...
    long long fullAfter = 0;      // ... fail past this many bytes, as on a full disk
};

}  // namespace dvtest
