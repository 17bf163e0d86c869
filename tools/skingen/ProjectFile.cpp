#include "ProjectFile.h"

#include <fstream>

#include "DataSkinInfo.h"
#include "NewSkinProject.h"
#include "SkinFields.h"
#include "SkinProject.h"

namespace skingen {

namespace {

vantoro::COLORREF Colour(Color c) {
    return vantoro::RgbColor(int(c.r), int(c.g), int(c.b));
}

}  // namespace

// The project is written by the editor's own save, so the samples hold every key in the
// order and spelling the editor writes; skingen keeps no list of keys of its own.
bool WriteProject(const std::filesystem::path& file, const Theme& th, const Layout& L) {
    {
        std::ofstream f(file, std::ios::binary | std::ios::trunc);
        f << vantoro::CSkinProject::kEmptyProjectContent;
        if (!f) return false;
    }
    vantoro::CSkinProject p;
    if (!p.LoadProject(file.string())) return false;
    p.SkinInfo.SkinName = th.name;
    p.SkinInfo.Reso = th.reso;
    p.SkinInfo.ResoIndex = th.reso - 1;
    p.SkinInfo.Depth = th.depth;
    p.SkinInfo.DepthIndex = vantoro::CDataSkinInfo::DepthIndexOf(th.depth);
    p.SkinInfo.Author = th.author;
    p.SkinInfo.Comments = th.comments;
    for (const vantoro::CSkinField& field : vantoro::CSkinFields::All())
        if (field.Kind == vantoro::CFieldKind::Bitmap)
            p.Element(field.Element).Set(field, std::string(field.DefaultFile));
    // A 160x160 skin shows its one preview in both places.
    if (th.reso == 1) p.Preview.Preview2 = p.Preview.Preview1;
    vantoro::CNewSkinProject::PlaceElements(L, p);
    p.DateTime.TextColor = Colour(th.dateText);
    p.Popups.CategoryTextColor = Colour(th.categoryText);
    p.AppList.TextColor = Colour(th.listText);
    return bool(p.SaveProject());
}

}  // namespace skingen
