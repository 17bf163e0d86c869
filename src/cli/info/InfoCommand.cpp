#include "InfoCommand.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <filesystem>
#include <set>
#include <system_error>

#include "CliParser.h"
#include "OutputFiles.h"
#include "PalmBitmapDecoder.h"
#include "PalmDate.h"
#include "PdbReader.h"
#include "ResourceSummary.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

using brres::PalmBitmap;
using brres::PdbReader;

constexpr int kSuccess = 0, kBadFile = 1, kUsage = 2;

// The picture as PNG bytes. The image is filled a row at a time straight from the stored
// values; the decoder's limits keep it to a few megabytes.
bool EncodePng(const PalmBitmap& bitmap, QByteArray& png) {
    QImage image(bitmap.width, bitmap.height,
                 bitmap.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return false;
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x)
            line[x] = (bitmap.IsTransparentAt(x, y) ? 0u : 0xFF000000u) | bitmap.Rgb(x, y);
    }
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return QImageWriter(&buffer, "png").write(image);
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
bool WritePngs(const PdbReader::Database& db, const std::vector<ResourceSummary::Family>& families,
               const std::string& file, const QDir& folder, std::ostream& err) {
    COutputFiles outputs;
    outputs.AddInput(file, "the database");
    outputs.KeepInside(QStringToPath(QDir::cleanPath(folder.absolutePath())));
    bool whole = true;
    for (size_t i = 0; i < db.resources.size(); ++i) {
        const PdbReader::Resource& r = db.resources[i];
        if (!ResourceSummary::IsBitmap(r)) continue;
        const ResourceSummary::Family& family = families[i];
        if (!family.whole) {
            err << file << ": " << family.error << "\n";
            whole = false;
        }
        std::set<QString> taken;
        for (size_t m = 0; m < family.members.size(); ++m) {
            const std::string path =
                QStringToPath(folder.filePath(PngName(r, family.members[m], m, taken)));
            QByteArray png;
            std::string error;
            if (!EncodePng(family.members[m], png)) {
                err << path << ": the picture cannot be made into a PNG file.\n";
                whole = false;
            } else if (!outputs.Write(path, png.toStdString(), &error)) {
                err << error << "\n";
                whole = false;
            }
        }
    }
    return whole;
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CCliVerb& verb = *CCliVerbs::Find("info");
    const CCliArguments arguments = CCliParser::ParseVerb(verb, args);
    if (arguments.Outcome == CCliArguments::EOutcome::Help) {
        out << verb.Help();
        return kSuccess;
    }
    if (arguments.Outcome == CCliArguments::EOutcome::UsageError) {
        err << CCliParser::UsageError(&verb, arguments.Error);
        return kUsage;
    }
    return RunInfoCommand(arguments, out, err);
}

int RunInfoCommand(const CCliArguments& arguments, std::ostream& out, std::ostream& err) {
    const std::string& file = arguments.Operands[0];
    const bool wantPng = arguments.Has("png");
    const std::string pngFolder = arguments.Value("png");

    std::vector<uint8_t> bytes;
    std::string error;
    PdbReader::Database db;
    if (!PdbReader::Load(file, bytes, error) || !PdbReader::Parse(bytes, db, error)) {
        err << file << ": " << error << "\n";
        return kBadFile;
    }

    // Each family is decoded once, for the listing and the pictures alike, and all of them
    // against one limit: a crafted database cannot make this run for minutes.
    brres::PalmBitmapDecoder::Budget budget;
    std::vector<ResourceSummary::Family> families(db.resources.size());
    for (size_t i = 0; i < db.resources.size(); ++i)
        if (ResourceSummary::IsBitmap(db.resources[i]))
            families[i] = ResourceSummary::DecodeFamily(db.resources[i], budget);

    out << "name: " << db.name << "\n"
        << "type: " << db.type << "\n"
        << "creator: " << db.creator << "\n"
        << "created: " << PalmDate::Format(db.created) << "\n"
        << "modified: " << PalmDate::Format(db.modified) << "\n"
        << "backed up: " << PalmDate::Format(db.backedUp) << "\n"
        << "resources: " << db.resources.size() << "\n";
    for (size_t i = 0; i < db.resources.size(); ++i)
        out << ResourceSummary::Describe(db.resources[i], &families[i]) << "\n";

    if (!wantPng) return kSuccess;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(pngFolder), ec);
    if (ec || !std::filesystem::is_directory(std::filesystem::path(pngFolder), ec)) {
        err << pngFolder << ": cannot create the folder"
            << (ec ? " (" + ec.message() + ")" : std::string()) << "\n";
        return kBadFile;
    }
    return WritePngs(db, families, file, QDir(PathToQString(pngFolder)), err) ? kSuccess : kBadFile;
}

}  // namespace vantoro
