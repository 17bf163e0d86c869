#include "InfoCommand.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <set>

#include "PalmBitmapDecoder.h"
#include "PalmDate.h"
#include "PdbReader.h"
#include "ResourceSummary.h"

namespace vantoro {
namespace {

using brres::PalmBitmap;
using brres::PdbReader;

constexpr int kSuccess = 0, kBadFile = 1, kUsage = 2;

const char kUsageText[] = "usage: vantoro-cli info FILE.PDB [--png DIR]\n";

bool WritePng(const PalmBitmap& bitmap, const QString& path) {
    const bool alpha = bitmap.transparent;
    QImage image(bitmap.width, bitmap.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return false;
    const std::vector<uint32_t> pixels = bitmap.Argb();
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x)
            line[x] = pixels[size_t(y) * size_t(bitmap.width) + size_t(x)];
    }
    return image.save(path, "PNG");
}

// "Tbmp-3001-8bpp-x1.png"; a second member of the same depth and density gets its
// place in the family added, so nothing is written over.
QString PngName(const PdbReader::Resource& r, const PalmBitmap& bitmap, size_t member,
                std::set<QString>& taken) {
    QString name = QStringLiteral("%1-%2-%3bpp-%4")
                       .arg(QString::fromLatin1(r.type.data(), 4))
                       .arg(r.id)
                       .arg(bitmap.depth)
                       .arg(QString::fromStdString(bitmap.DensityLabel()));
    if (taken.count(name)) name += QStringLiteral("-%1").arg(member + 1);
    taken.insert(name);
    return name + QStringLiteral(".png");
}

// Every member of every bitmap family; false when one could not be decoded or written.
bool WritePngs(const PdbReader::Database& db, const std::string& file, const QDir& folder,
               std::ostream& err) {
    bool whole = true;
    for (const PdbReader::Resource& r : db.resources) {
        if (!ResourceSummary::IsBitmap(r)) continue;
        std::vector<PalmBitmap> members;
        std::string error;
        if (!brres::PalmBitmapDecoder::Decode(r.data, r.size, r.Name(), members, error)) {
            err << file << ": " << error << "\n";
            whole = false;
        }
        std::set<QString> taken;
        for (size_t i = 0; i < members.size(); ++i) {
            const QString path = folder.filePath(PngName(r, members[i], i, taken));
            if (!WritePng(members[i], path)) {
                err << path.toStdString() << ": cannot write the image\n";
                whole = false;
            }
        }
    }
    return whole;
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
    if (!PdbReader::Load(file, bytes, error) || !PdbReader::Parse(bytes, db, error)) {
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
    return WritePngs(db, file, QDir(folder), err) ? kSuccess : kBadFile;
}

}  // namespace vantoro
