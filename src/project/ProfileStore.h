#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "FileStamp.h"
#include "ProfileEncoding.h"
#include "ProfileFile.h"

namespace vantoro {

// The profile access layer: reads and writes single values of profile files by path,
// keeping each file's parsed content until it is flushed or changes on disk. Each project
// has its own.
//
// A batch collects the writes to one file in memory and puts them on disk in one
// atomic replacement, so a save either lands whole or leaves the file as it was.
class CProfileStore {
public:
    // Delivers the value (or `defaultValue` when the file, section or key is missing) and
    // returns the number of characters delivered: 0 for a key present with an empty value.
    size_t ReadString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& defaultValue, std::string& out);

    // Writes one value. Outside a batch the file is replaced at once (and created when
    // missing, as the platform's function does); inside one only the batch changes.
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value);

    // Whether `file` can be read and has a section named `section`.
    bool HasSection(const std::string& file, const std::string& section);

    // Drops the cached content of `file`.
    void Flush(const std::string& file);
    // Reads `file` afresh into the cache; false (with `error`) when it cannot be read.
    bool Reload(const std::string& file, std::string* error);

    // Reads `file` afresh, as Reload, and answers every read of it from what was read,
    // without looking at the disk again, until Release: for one operation that reads many
    // values (a project's load). The next operation sees a change another program made.
    bool Hold(const std::string& file, std::string* error);
    void Release(const std::string& file);

    // Starts collecting writes to `file` from its content on disk; false (with `error`)
    // when it cannot be read.
    bool BeginBatch(const std::string& file, std::string* error);
    // Writes the collected content; false (with `error`) when the file vanished or could
    // not be replaced, in which case it is as it was.
    bool CommitBatch(const std::string& file, std::string* error);
    void AbortBatch(const std::string& file);

    // How `file` is stored, and the characters of it Windows-1252 cannot hold (UTF-8, each
    // once; they read as '?'). False when it cannot be read.
    bool Encoding(const std::string& file, CTextEncoding& encoding, std::string& unkept);

    // Reads a whole file; false with `error` when it cannot be read.
    static bool ReadFileBytes(const std::string& file, std::string& bytes, std::string* error);

private:
    struct Entry {
        CProfileFile content;
        CFileStamp stamp;
        bool batch = false;
        CTextEncoding encoding = CTextEncoding::Ansi;
        std::string unkept;
        bool held = false;  // answered from memory until released
    };
    static Entry MakeEntry(const std::string& bytes, const CFileStamp& stamp, bool batch);

    // The cached content of `file`, reloaded when the file changed on disk. Null when the
    // file cannot be read.
    Entry* Load(const std::string& file);

    std::map<std::string, Entry> m_cache;
};

}  // namespace vantoro
