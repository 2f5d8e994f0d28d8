// Makes the delivered database: runs the schema and the reference rows into
// a new file encrypted with the program's password.
//   dv_makedb OUTPUT.dat schema.sql reference.sql ...
#include "platform/db_password.h"

#include <sqlcipher/sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

static bool runFile(sqlite3* db, const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "dv_makedb: cannot read %s\n", path);
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    char* msg = nullptr;
    if (sqlite3_exec(db, ss.str().c_str(), nullptr, nullptr, &msg) != SQLITE_OK) {
        std::fprintf(stderr, "dv_makedb: %s: %s\n", path, msg ? msg : "error");
        sqlite3_free(msg);
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: dv_makedb OUTPUT FILE.sql...\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "dv_makedb: cannot create %s\n", tmp.c_str());
        return 1;
    }
    const QByteArray pw = dv::databasePassword();
    sqlite3_key(db, pw.constData(), pw.size());
    bool ok = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (int i = 2; ok && i < argc; ++i)
        ok = runFile(db, argv[i]);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!ok) {
        std::remove(tmp.c_str());
        return 1;
    }
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "dv_makedb: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
