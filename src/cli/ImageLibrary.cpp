#include "ImageLibrary.h"

#include <QCoreApplication>

#include "CliVerbs.h"

#ifndef VANTORO_IMAGE_LIBRARY
#define VANTORO_IMAGE_LIBRARY "vantoro-cli-image"
#endif

namespace vantoro {

// The library's entries (ImageModule.cpp).
using CommandsEntry = IImageCommands* (*)();
using ApplicationEntry = QCoreApplication* (*)(int&, char**);

CImageLibrary::CImageLibrary(const QString& path) : m_library(path) {}

QString CImageLibrary::FileName() {
    return QStringLiteral(VANTORO_IMAGE_LIBRARY);
}

bool CImageLibrary::Load() {
    if (m_commands) return true;
    if (!m_library.load()) return false;
    if (const auto entry =
            reinterpret_cast<CommandsEntry>(m_library.resolve("VantoroImageCommands")))
        m_commands = entry();
    return m_commands != nullptr;
}

std::unique_ptr<QCoreApplication> CImageLibrary::MakeApplication(int& argc, char** argv) {
    if (!Load()) return nullptr;
    const auto entry =
        reinterpret_cast<ApplicationEntry>(m_library.resolve("VantoroImageApplication"));
    return entry ? std::unique_ptr<QCoreApplication>(entry(argc, argv)) : nullptr;
}

int CImageLibrary::Run(const std::string& command, const CCliArguments& arguments,
                       std::ostream& out, std::ostream& err) {
    if (!Load()) {
        err << CCliVerbs::kProgram << ": " << command << " needs the library '"
            << m_library.fileName().toLocal8Bit().toStdString()
            << "' beside the program: " << m_library.errorString().toLocal8Bit().toStdString()
            << "\n";
        return 1;
    }
    return m_commands->Run(command, arguments, out, err);
}

}  // namespace vantoro
