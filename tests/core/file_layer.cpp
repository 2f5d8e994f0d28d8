#include "tests/core/file_layer.h"

#include <sqlcipher/sqlite3.h>

#include <csignal>
#include <dlfcn.h>
#include <unistd.h>

namespace dvtest {

namespace {

FileLayer* gLayer = nullptr;
sqlite3_vfs* gBelow = nullptr;
sqlite3_vfs gVfs;
sqlite3_io_methods gMethods;

struct File {
    sqlite3_file base;
    sqlite3_file* below;
    bool full;
};

sqlite3_file* below(sqlite3_file* f) { return reinterpret_cast<File*>(f)->below; }

// Files opened through the layer stay usable after it is gone.
void operation()
{
    if (gLayer && ++gLayer->operations == gLayer->killAt)
        ::kill(::getpid(), SIGKILL);
}

int xClose(sqlite3_file* f)
{
    operation();
    return below(f)->pMethods->xClose(below(f));
}
int xRead(sqlite3_file* f, void* p, int n, sqlite3_int64 at)
{
    operation();
    return below(f)->pMethods->xRead(below(f), p, n, at);
}
int xWrite(sqlite3_file* f, const void* p, int n, sqlite3_int64 at)
{
    operation();
    if (gLayer && reinterpret_cast<File*>(f)->full && at + n > gLayer->fullAfter)
        return SQLITE_FULL;
    return below(f)->pMethods->xWrite(below(f), p, n, at);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    operation();
    return below(f)->pMethods->xTruncate(below(f), size);
}
int xSync(sqlite3_file* f, int flags)
{
    operation();
    return below(f)->pMethods->xSync(below(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) { return below(f)->pMethods->xFileSize(below(f), size); }
int xLock(sqlite3_file* f, int level) { return below(f)->pMethods->xLock(below(f), level); }
int xUnlock(sqlite3_file* f, int level) { return below(f)->pMethods->xUnlock(below(f), level); }
int xCheckReservedLock(sqlite3_file* f, int* out) { return below(f)->pMethods->xCheckReservedLock(below(f), out); }
int xFileControl(sqlite3_file* f, int op, void* arg) { return below(f)->pMethods->xFileControl(below(f), op, arg); }
int xSectorSize(sqlite3_file* f) { return below(f)->pMethods->xSectorSize(below(f)); }
int xDeviceCharacteristics(sqlite3_file* f) { return below(f)->pMethods->xDeviceCharacteristics(below(f)); }

int vOpen(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags)
{
    operation();
    File* file = reinterpret_cast<File*>(f);
    file->below = reinterpret_cast<sqlite3_file*>(file + 1);
    file->full = name && gLayer && !gLayer->fullFile.isEmpty() && QByteArray(name).endsWith(gLayer->fullFile);
    const int rc = gBelow->xOpen(gBelow, name, file->below, flags, outFlags);
    file->base.pMethods = rc == SQLITE_OK ? &gMethods : nullptr;
    return rc;
}

int vDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    operation();
    return gBelow->xDelete(gBelow, name, syncDir);
}

}  // namespace

FileLayer::FileLayer()
{
    gLayer = this;
    gBelow = sqlite3_vfs_find(nullptr);
    gVfs = *gBelow;
    gVfs.zName = "dv_test_layer";
    gVfs.pNext = nullptr;
    gVfs.szOsFile = static_cast<int>(sizeof(File)) + gBelow->szOsFile;
    gVfs.xOpen = vOpen;
    gVfs.xDelete = vDelete;
    gMethods = sqlite3_io_methods{};
    gMethods.iVersion = 1;
    gMethods.xClose = xClose;
    gMethods.xRead = xRead;
    gMethods.xWrite = xWrite;
    gMethods.xTruncate = xTruncate;
    gMethods.xSync = xSync;
    gMethods.xFileSize = xFileSize;
    gMethods.xLock = xLock;
    gMethods.xUnlock = xUnlock;
    gMethods.xCheckReservedLock = xCheckReservedLock;
    gMethods.xFileControl = xFileControl;
    gMethods.xSectorSize = xSectorSize;
    gMethods.xDeviceCharacteristics = xDeviceCharacteristics;
    sqlite3_vfs_register(&gVfs, 1);
}

FileLayer::~FileLayer()
{
    sqlite3_vfs_unregister(&gVfs);
    gLayer = nullptr;
}

}  // namespace dvtest

// Every sync of the process, the database library's and the program's own
// of files and folders alike, passes here while a layer lives: this
// executable's fsync and fdatasync stand before the C library's.
namespace {

int countedSync(const char* name, int fd)
{
    using Sync = int (*)(int);
    const auto real = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, name));
    if (dvtest::gLayer)
        ++dvtest::gLayer->syncs;
    return real(fd);
}

}  // namespace

extern "C" int fsync(int fd) { return countedSync("fsync", fd); }
extern "C" int fdatasync(int fd) { return countedSync("fdatasync", fd); }

