#include "InfoCommand.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "PalmDate.h"
#include "PdbReader.h"
#include "ResourceSummary.h"
#include "TbmpDecoder.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

constexpr int kSuccess = 0, kBadFile = 1, kUsage = 2;
constexpr uintmax_t kMaxFileSize = uintmax_t(256) << 20;  // far beyond any skin

const char kUsageText[] = "usage: vantoro-cli info FILE.PDB [--png DIR]\n";

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::error_code ec;
    const fs::path file(path);
    if (!fs::exists(file, ec)) {
        error = "file not found";
        return false;
    }
    if (!fs::is_regular_file(file, ec)) {
        error = "not a file";
        return false;
    }
    const uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        error = "cannot read the file: " + ec.message();
        return false;
    }
    if (size > kMaxFileSize) {
        error = "file of " + std::to_string(size) + " bytes is too large to be a skin database";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    bytes.resize(static_cast<size_t>(size));
    if (!in ||
        !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        error = "cannot read the file";
        return false;
    }
    return true;
}

bool WritePng(const TbmpDecoder::Bitmap& bitmap, const QString& path) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    if (image.isNull()) return false;
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) {
            line[x] = 0xFF000000u | bitmap.pixels[size_t(y) * size_t(bitmap.width) + size_t(x)];
        }
    }
    return image.save(path, "PNG");
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::string pngFolder;
    bool wantPng = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--png") {
            if (i + 1 == args.size() || wantPng) {
                err << (wantPng ? "info: --png given twice\n" : "info: --png needs a folder\n")
                    << kUsageText;
                return kUsage;
            }
            wantPng = true;
            pngFolder = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            err << "info: unknown option '" << args[i] << "'\n" << kUsageText;
            return kUsage;
        } else if (!file.empty()) {
            err << "info: more than one file: '" << file << "' and '" << args[i] << "'\n"
                << kUsageText;
            return kUsage;
        } else {
            file = args[i];
        }
    }
    if (file.empty()) {
        err << "info: no database given\n" << kUsageText;
        return kUsage;
    }

    std::vector<uint8_t> bytes;
    std::string error;
    PdbReader::Database db;
    if (!ReadWholeFile(file, bytes, error) || !PdbReader::Parse(bytes, db, error)) {
        err << file << ": " << error << "\n";
        return kBadFile;
    }

    out << "name: " << db.name << "\n"
        << "type: " << db.type << "\n"
        << "creator: " << db.creator << "\n"
        << "created: " << PalmDate::Format(db.created) << "\n"
        << "modified: " << PalmDate::Format(db.modified) << "\n"
        << "backed up: " << PalmDate::Format(db.backedUp) << "\n"
        << "resources: " << db.resources.size() << "\n";
    for (const PdbReader::Resource& r : db.resources) out << ResourceSummary::Describe(r) << "\n";

    if (!wantPng) return kSuccess;
    const QString folder = QString::fromStdString(pngFolder);
    if (!QDir().mkpath(folder)) {
        err << pngFolder << ": cannot create the folder\n";
        return kBadFile;
    }
    int result = kSuccess;
    for (const PdbReader::Resource& r : db.resources) {
        if (r.type != "Tbmp") continue;
        TbmpDecoder::Bitmap bitmap;
        const QString name = QDir(folder).filePath(QStringLiteral("Tbmp-%1.png").arg(r.id));
        if (!TbmpDecoder::Decode(r.data, r.size, bitmap, error)) {
            err << file << ": Tbmp " << r.id << ": " << error << "\n";
            result = kBadFile;
        } else if (!WritePng(bitmap, name)) {
            err << name.toStdString() << ": cannot write the image\n";
            result = kBadFile;
        }
    }
    return result;
}

}  // namespace vantoro
