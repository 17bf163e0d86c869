#include "FileSetWriter.h"

#include <QFile>
#include <QFileInfo>

#include "AtomicFile.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

bool Put(const CFileState& state, std::string* error) {
    if (state.Exists) {
        const CResult<void> written = CAtomicFile::Write(state.Path, state.Bytes);
        if (!written && error) *error = written.Error();
        return written.Ok();
    }
    QFile file(PathToQString(state.Path));
    if (!file.exists() || file.remove()) return true;
    if (error)
        *error = state.Path + ": cannot be removed (" + file.errorString().toStdString() + ")";
    return false;
}

}  // namespace

bool CFileSetWriter::Read(const std::string& path, CFileState& state, std::string* error) {
    state = CFileState{path, false, {}};
    const QString name = PathToQString(path);
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink()) return true;
    if (info.isDir()) {
        if (error) *error = path + ": is a folder, not a file";
        return false;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + ": cannot be read (" + file.errorString().toStdString() +
                     "), so it could not be put back";
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = path + ": cannot be read (" + file.errorString().toStdString() + ")";
        return false;
    }
    state.Exists = true;
    state.Bytes = bytes.toStdString();
    return true;
}

bool CFileSetWriter::Apply(const std::vector<CFileState>& wanted, std::vector<CFileState>* before,
                           std::string* error) {
    std::vector<CFileState> previous(wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i)
        if (!Read(wanted[i].Path, previous[i], error)) return false;
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (Put(wanted[i], error)) continue;
        // Best effort: the first failure is the one to report.
        for (size_t done = i; done-- > 0;) Put(previous[done], nullptr);
        return false;
    }
    if (before) *before = std::move(previous);
    return true;
}

}  // namespace vantoro
