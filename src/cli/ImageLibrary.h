#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

#include "ImageCommands.h"

class QCoreApplication;

namespace vantoro {

// The picture commands in their own library beside the program, loaded the first time one
// is asked for: a build never binds Qt Gui and the libraries below it.
class CImageLibrary : public IImageCommands {
public:
    // `path`: the library's file.
    explicit CImageLibrary(const QString& path);

    // The file name the library has beside the program.
    static QString FileName();

    // A GUI application for a command that draws text (render); null when the library cannot
    // be loaded, which Run then reports.
    std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv);
    int Run(const std::string& command, const CCliArguments& arguments, std::ostream& out,
            std::ostream& err) override;

private:
    bool Load();

    QLibrary m_library;
    IImageCommands* m_commands = nullptr;
};

}  // namespace vantoro
