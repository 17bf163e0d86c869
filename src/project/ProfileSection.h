#pragma once

#include <string>

#include "Geometry.h"

namespace vantoro {

class CProfileStore;

// One element's section of one project file, being loaded or saved. Reads and writes
// stop once one has failed, and the first failure is described (section and key).
class CProfileSection {
public:
    enum class Mode { Load, Save };

    CProfileSection(CProfileStore& store, const std::string& path, const char* section, Mode mode,
                    std::string& failure);

    bool Loading() const { return m_mode == Mode::Load; }

    // Reads or writes one key, as the mode says: each element lists its keys once.
    template <typename T>
    CProfileSection& Key(const char* key, T& value) {
        return Loading() ? Read(key, value) : Write(key, value);
    }
    // A key read under one spelling and written under another.
    CProfileSection& Key(const char* readKey, const char* writeKey, std::string& value) {
        return Loading() ? Read(readKey, value) : Write(writeKey, value);
    }

    // False (and a description) when the project file is missing.
    bool Exists();

    CProfileSection& Read(const char* key, std::string& value);
    CProfileSection& Read(const char* key, int& value);
    CProfileSection& Read(const char* key, COLORREF& value);
    CProfileSection& Read(const char* key, CRect& value);
    CProfileSection& Read(const char* key, CPoint& value);
    CProfileSection& Read(const char* key, CSize& value);

    CProfileSection& Write(const char* key, const std::string& value);
    CProfileSection& Write(const char* key, int value);
    CProfileSection& Write(const char* key, COLORREF value);
    CProfileSection& Write(const char* key, const CRect& value);
    CProfileSection& Write(const char* key, const CPoint& value);
    CProfileSection& Write(const char* key, const CSize& value);

    // A key older files lack: read when there (true), left alone when not; never a failure.
    bool ReadOptional(const char* key, COLORREF& value);

    bool Ok() const { return m_ok; }

private:
    template <typename Fn>
    CProfileSection& Step(const char* key, const char* what, Fn fn);

    CProfileStore& m_store;
    const std::string& m_path;
    const char* m_section;
    Mode m_mode;
    std::string& m_failure;
    bool m_ok = true;
};

}  // namespace vantoro
