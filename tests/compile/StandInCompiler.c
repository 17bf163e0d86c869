/* A stand-in for the resource compiler library. It records every call into
 * "standin-record.txt" in the current directory: the arguments, the current directory,
 * which intermediate files exist beside the script it is given, and how many calls this
 * loaded copy has seen. A file
 * "standin-control.txt" in the current directory can hold the words "fail" (return 3),
 * "stderr" (print a line on standard error) and "nodb" (write no database). */
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#define EXPORT __declspec(dllexport)
#define getcwd _getcwd
#define access _access
#else
#include <unistd.h>
#define EXPORT __attribute__((visibility("default")))
#endif

static int g_calls = 0;

static int Exists(const char* path) {
    return access(path, 0) == 0;
}

static int ControlSays(const char* word) {
    char text[256] = {0};
    size_t n;
    FILE* f = fopen("standin-control.txt", "rb");
    if (!f) return 0;
    n = fread(text, 1, sizeof text - 1, f);
    text[n] = 0;
    fclose(f);
    return strstr(text, word) != NULL;
}

EXPORT int main(int argc, char** argv) {
    static const char* files[] = {"_script.txt", "__bkg1.bmp", "__bkg2.bmp", "__bkg3.bmp",
                                  "__bkg4.bmp"};
    char cwd[4096] = {0};
    FILE* record;
    int i;
    ++g_calls;
    record = fopen("standin-record.txt", "ab");
    if (record) {
        fprintf(record, "calls %d\n", g_calls);
        fprintf(record, "argc %d\n", argc);
        for (i = 0; i < argc; ++i) fprintf(record, "arg %s\n", argv[i]);
        if (getcwd(cwd, sizeof cwd)) fprintf(record, "cwd %s\n", cwd);
        for (i = 0; i < 5; ++i) {
            /* Beside the script: its folder is the argument up to its last separator. */
            char path[4096] = {0};
            const char* script = argc > 10 ? argv[10] : "_script.txt";
            const char* slash = strrchr(script, '/');
            const char* backslash = strrchr(script, '\\');
            size_t folder = 0;
            if (backslash && (!slash || backslash > slash)) slash = backslash;
            if (slash) folder = (size_t)(slash - script) + 1;
            if (folder + strlen(files[i]) < sizeof path) {
                memcpy(path, script, folder);
                strcpy(path + folder, files[i]);
            }
            fprintf(record, "exists %s %d\n", files[i], Exists(path));
        }
        fclose(record);
    }
    if (ControlSays("stderr"))
        fprintf(stderr, "%s:3: the stand-in was told to complain\n",
                argc > 10 ? argv[10] : "_script.txt");
    if (ControlSays("fail")) return 3;
    if (!ControlSays("nodb") && argc > 8) {
        FILE* db = fopen(argv[8], "wb");
        if (db) {
            fprintf(db, "stand-in database %d\n", g_calls);
            fclose(db);
        }
    }
    return 0;
}
