#include "Skins.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "BmpEncoder.h"
#include "Canvas.h"
#include "Icons.h"
#include "ProjectFile.h"
#include "SkinLayout.h"
#include "Theme.h"

namespace skingen {

namespace {

using Rect = vantoro::CRect;

// ---- the elements ---------------------------------------------------------------------

// A band across the top whose lower corners are rounded off, so the wall paper shows there.
Image TitleBar(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.title.Width()), h = float(L.title.Height());
    Image img(L.title.Width(), L.title.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    Shape band = RoundBox(0, -20 * s, w, h, 6 * s);
    img.Fill(band, th.barEdge);
    img.Fill(Offset(band, 0, -s), VerticalGradient(0, h, th.barTop, th.barBottom));
    img.Fill(Box(0, 0, w, float(L.s)), Rgb(255, 255, 255), 0.35f);
    img.Fill(Box(0, 0, w, h * 0.45f), Rgb(255, 255, 255), 0.12f);
    // A recess behind the date and time.
    const Rect& d = L.dateTime;
    img.Fill(RoundBox(float(d.left) - 3 * s, float(d.top) - 1 * s, float(d.right) + 3 * s,
                      float(d.bottom) + 1 * s, 5 * s),
             Rgb(0, 0, 0), 0.22f);
    return img;
}

void Button(Image& img, const Rect& r, Icon icon, const Theme& th, int s, bool pressed) {
    float fs = float(s), l = float(r.left), t = float(r.top), rr = float(r.right),
          b = float(r.bottom);
    img.Fill(RoundBox(l, t, rr, b, 3 * fs), th.faceEdge);
    img.Fill(RoundBox(l + fs, t + fs, rr - fs, b - fs, 2 * fs),
             pressed ? VerticalGradient(t, b, th.pressedTop, th.pressedBottom)
                     : VerticalGradient(t, b, th.face, th.faceBottom));
    if (!pressed)
        img.Fill(Box(l + 2 * fs, t + fs, rr - 2 * fs, t + 2 * fs), Rgb(255, 255, 255), 0.5f);
    float size = 12 * fs, shift = pressed ? fs : 0;
    float x = l + (rr - l - size) / 2 + shift, y = t + (b - t - size) / 2 + shift;
    Color glyph = pressed ? th.pressedGlyph : th.glyph;
    DrawIcon(img, icon, x, y, size, glyph, pressed ? th.pressedTop : th.glyphDetail);
}

Image ToolBar(const Theme& th, const Layout& L, bool pressed) {
    int w = L.toolBar.Width(), h = L.toolBar.Height();
    Image img(w, h, th.barEdge);
    img.SetCrisp(Crisp(th));
    img.Gradient(0, L.s, w, h, th.barTop, th.barBottom);
    img.FillRect(0, L.s, w, 2 * L.s, Rgb(255, 255, 255), 0.35f);
    th.ornament(img, float(L.tools.right + 6 * L.s), float(w - 4 * L.s), float(h), L.s);
    Button(img, L.info, Icon::Info, th, L.s, pressed);
    Button(img, L.beam, Icon::Beam, th, L.s, pressed);
    Button(img, L.erase, Icon::Trash, th, L.s, pressed);
    Button(img, L.tools, Icon::Wrench, th, L.s, pressed);
    return img;
}

// A round knob with a small up and down arrow: shows and hides the tool bar.
Image Toggler(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.toggler.Width()), h = float(L.toggler.Height());
    Image img(L.toggler.Width(), L.toggler.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    float cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.2f * s;
    img.Fill(Circle(cx, cy, r), th.faceEdge);
    img.Fill(Circle(cx, cy, r - s), VerticalGradient(0, h, th.face, th.faceBottom));
    img.Fill(
        Polygon(
            {{cx - 2.8f * s, cy - 0.7f * s}, {cx, cy - 3.6f * s}, {cx + 2.8f * s, cy - 0.7f * s}}),
        th.glyph);
    img.Fill(
        Polygon(
            {{cx - 2.8f * s, cy + 0.9f * s}, {cx, cy + 3.8f * s}, {cx + 2.8f * s, cy + 0.9f * s}}),
        th.glyph);
    return img;
}

// A small window symbol on a rounded key.
Image MaximizeIcon(const Theme& th, const Layout& L) {
    float s = float(L.s), w = float(L.maximize.Width()), h = float(L.maximize.Height());
    Image img(L.maximize.Width(), L.maximize.Height(), {}, 0);
    img.SetCrisp(Crisp(th));
    img.Fill(RoundBox(0, 0, w, h, 3 * s), th.faceEdge);
    img.Fill(RoundBox(s, s, w - s, h - s, 2 * s), VerticalGradient(0, h, th.face, th.faceBottom));
    img.Fill(Minus(Box(2.5f * s, 2.5f * s, w - 2.5f * s, h - 2.5f * s),
                   Box(3.5f * s, 5 * s, w - 3.5f * s, h - 3.5f * s)),
             th.glyph);
    return img;
}

// An empty battery outline; the launcher draws the charge into it. It has no mask, so it
// is drawn on the title bar's own pixels.
Image Battery(const Theme& th, const Layout& L, const Image& title) {
    const Rect& b = L.battery;
    Image img = title.Crop(b.left, b.top, b.right, b.bottom);
    img.SetCrisp(Crisp(th));
    float s = float(L.s), w = float(b.Width()), h = float(b.Height());
    Color line = th.dateText;
    img.Fill(Minus(RoundBox(0.5f * s, 0.5f * s, w - 2 * s, h - 0.5f * s, 1.5f * s),
                   RoundBox(1.5f * s, 1.5f * s, w - 3 * s, h - 1.5f * s, 0.8f * s)),
             line);
    img.Fill(RoundBox(1.5f * s, 1.5f * s, w - 3 * s, h - 1.5f * s, 0.8f * s), Rgb(0, 0, 0), 0.3f);
    img.Fill(RoundBox(w - 2 * s, h / 2 - 2 * s, w - 0.5f * s, h / 2 + 2 * s, 0.6f * s), line);
    return img;
}

void ArrowButton(Image& img, float top, float height, bool up, const Theme& th, int s) {
    float fs = float(s), w = float(img.Width());
    img.Fill(RoundBox(0, top, w, top + height, 2.5f * fs), th.faceEdge);
    img.Fill(RoundBox(fs, top + fs, w - fs, top + height - fs, 1.6f * fs),
             VerticalGradient(top, top + height, th.face, th.faceBottom));
    float cx = w / 2, cy = top + height / 2, a = 2.6f * fs;
    float tip = up ? cy - a : cy + a, base = up ? cy + a * 0.6f : cy - a * 0.6f;
    img.Fill(Polygon({{cx - a, base}, {cx, tip}, {cx + a, base}}), th.glyph);
}

Image ScrollBar(const Theme& th, const Layout& L) {
    int w = L.scrollWidth, s = L.s;
    Image img(w, L.thumb.bottom, th.track);
    img.SetCrisp(Crisp(th));
    // The track edge runs down body and thumb alike, so stretched parts line up.
    img.FillRect(0, 0, s, img.Height(), th.trackEdge);
    img.FillRect(w - s, 0, w, img.Height(), th.trackEdge);
    img.FillRect(w / 2, 0, w / 2 + 1, img.Height(), th.trackEdge, 0.4f);
    ArrowButton(img, 0, float(L.arrowTop), true, th, s);
    ArrowButton(img, float(L.arrowTop + L.body), float(L.arrowBottom), false, th, s);
    const Rect& t = L.thumb;
    float fs = float(s);
    img.Fill(
        RoundBox(float(t.left + s), float(t.top), float(t.right - s), float(t.bottom), 2.5f * fs),
        th.faceEdge);
    img.Fill(RoundBox(float(t.left + 2 * s), float(t.top + s), float(t.right - 2 * s),
                      float(t.bottom - s), 1.5f * fs),
             Solid(Mix(th.thumbTop, th.thumbBottom, 0.5f)));
    img.FillRect(t.left + 2 * s, t.top + s, t.right - 2 * s, t.top + 2 * s, th.thumbTop);
    return img;
}

Image IconStrip(const std::vector<Icon>& icons, int size, const std::vector<Color>& colors,
                Color detail, bool crisp) {
    Image img(size * int(icons.size()), size, {}, 0);
    img.SetCrisp(crisp);
    for (size_t i = 0; i < icons.size(); ++i)
        DrawIcon(img, icons[i], float(i * size), 0, float(size), colors[i % colors.size()], detail);
    return img;
}

// The small marks beside entries. They have no mask, so they come on a plain ground.
Image MiscIcons(const Theme& th, const Layout& L) {
    const Icon icons[] = {Icon::Lock, Icon::Card, Icon::Star, Icon::Check, Icon::Clock, Icon::Beam};
    int n = int(std::size(icons)), size = L.miscIcon;
    Image img(size * n, size, th.miscBack);
    img.SetCrisp(Crisp(th));
    for (int i = 0; i < n; ++i)
        DrawIcon(img, icons[i], float(i * size), 0, float(size), th.miscBody, th.miscDetail);
    return img;
}

// ---- the whole screen, for the preview thumbnails --------------------------------------

struct Parts {
    Image wallPaper, title, toolBar, toggler, scroll, maximize, battery;
};

Image Screen(const Parts& p, const Theme& th, const Layout& L) {
    int s = L.s;
    Image img = p.wallPaper;
    // A page of applications: category icons stand in for theirs, a bar for each name.
    const Rect& list = L.listNormal;
    int cellW = list.Width() / 4, cellH = 31 * s;
    const Icon apps[] = {Icon::Home,  Icon::Games,  Icon::Internet, Icon::Music,
                         Icon::Clock, Icon::Wrench, Icon::Star,     Icon::Card,
                         Icon::All,   Icon::Lock,   Icon::Unfiled,  Icon::Sliders};
    float fs = float(s), cell = float(cellW), size = 18 * fs;
    for (int i = 0; i < 12; ++i) {
        float x = float(list.left + (i % 4) * cellW), y = float(list.top + 4 * s + (i / 4) * cellH);
        img.Fill(
            RoundBox(x + (cell - 22 * fs) / 2, y, x + (cell + 22 * fs) / 2, y + 22 * fs, 4 * fs),
            th.face, 0.6f);
        DrawIcon(img, apps[i], x + (cell - size) / 2, y + 2 * fs, size,
                 th.categoryColors[size_t(i) % th.categoryColors.size()], th.iconDetail);
        img.Fill(RoundBox(x + 5 * fs, y + 24 * fs, x + cell - 5 * fs, y + 27 * fs, 1.5f * fs),
                 th.listText);
    }
    // Scroll bar: buttons at the ends, body repeated between, thumb near the top.
    const Rect& sb = L.scrollNormal;
    img.Draw(p.scroll.Crop(0, 0, L.scrollWidth, L.arrowTop), sb.left, sb.top);
    for (int y = sb.top + L.arrowTop; y < sb.bottom - L.arrowBottom; y += L.body) {
        int part = std::min(L.body, sb.bottom - L.arrowBottom - y);
        img.Draw(p.scroll.Crop(0, L.arrowTop, L.scrollWidth, L.arrowTop + part), sb.left, y);
    }
    img.Draw(
        p.scroll.Crop(0, L.arrowTop + L.body, L.scrollWidth, L.arrowTop + L.body + L.arrowBottom),
        sb.left, sb.bottom - L.arrowBottom);
    int ty = sb.top + L.arrowTop + 6 * s;
    const Rect& t = L.thumb;
    img.Draw(p.scroll.Crop(0, t.top, L.scrollWidth, t.top + L.thumbTop), sb.left, ty);
    for (int i = 0; i < 6; ++i)
        img.Draw(
            p.scroll.Crop(0, t.top + L.thumbTop, L.scrollWidth, t.top + L.thumbTop + L.thumbCenter),
            sb.left, ty + L.thumbTop + i * L.thumbCenter);
    img.Draw(p.scroll.Crop(0, t.bottom - L.thumbBottom, L.scrollWidth, t.bottom), sb.left,
             ty + L.thumbTop + 6 * L.thumbCenter);
    img.Draw(p.title, 0, 0);
    img.Draw(p.maximize, L.maximize.left, L.maximize.top);
    img.Draw(p.battery, L.battery.left, L.battery.top);
    img.FillRect(L.battery.left + 2 * s, L.battery.top + 2 * s, L.battery.left + 11 * s,
                 L.battery.bottom - 2 * s, Rgb(120, 220, 90));
    DrawSmallText(img, L.dateTime.left + 2 * s, L.dateTime.top + 3 * s, "12/07 10:42", th.dateText,
                  s);
    img.Draw(p.toolBar, L.toolBar.left, L.toolBar.top);
    img.Draw(p.toggler, L.toggler.left, L.toggler.top);
    return img;
}

bool WriteSkin(const std::filesystem::path& examples, const Theme& th) {
    Layout L{th.reso};
    std::filesystem::path dir = examples / th.folder;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    Parts p;
    p.wallPaper = Image(L.screen, L.screen);
    th.wallPaper(p.wallPaper, L.s);
    p.title = TitleBar(th, L);
    p.toolBar = ToolBar(th, L, false);
    Image toolBarHi = ToolBar(th, L, true);
    p.toggler = Toggler(th, L);
    p.scroll = ScrollBar(th, L);
    p.maximize = MaximizeIcon(th, L);
    p.battery = Battery(th, L, p.title);
    Image categories = IconStrip({Icon::All, Icon::Home, Icon::Games, Icon::Wrench, Icon::Unfiled,
                                  Icon::Internet, Icon::Music, Icon::Star},
                                 L.icon, th.categoryColors, th.iconDetail, Crisp(th));
    Image tools =
        IconStrip({Icon::Info, Icon::Beam, Icon::Trash, Icon::Move, Icon::Sliders, Icon::Star},
                  L.icon, {th.categoryColors[0]}, th.iconDetail, Crisp(th));
    Image misc = MiscIcons(th, L);
    Image screen = Screen(p, th, L);

    // 256-colour skins use the system palette throughout; the rest keep full colour.
    bool indexed = th.depth == 8;
    auto art = [&](const char* name, const Image& img, bool dither) {
        std::string path = (dir / name).string();
        return indexed ? WriteAtDepth(path, img, 8, dither) : WriteBmp24(path, img);
    };
    auto mask = [&](const char* name, const Image& img) {
        return WriteMask((dir / name).string(), img);
    };
    bool ok = art("wallpaper.bmp", p.wallPaper, true) && art("title.bmp", p.title, false) &&
              mask("titlemask.bmp", p.title) && art("toolbar.bmp", p.toolBar, false) &&
              art("toolbarhi.bmp", toolBarHi, false) && art("toggler.bmp", p.toggler, false) &&
              mask("togglermask.bmp", p.toggler) && art("scrollbar.bmp", p.scroll, false) &&
              art("maximize.bmp", p.maximize, false) && mask("maximizemask.bmp", p.maximize) &&
              art("battery.bmp", p.battery, false) && art("categories.bmp", categories, false) &&
              mask("categoriesmask.bmp", categories) && art("popuptools.bmp", tools, false) &&
              mask("popuptoolsmask.bmp", tools) && art("miscicons.bmp", misc, false) &&
              art("preview.bmp", screen.Scaled(L.preview, L.preview), false);
    // The additional preview is 60x60 in the system palette whatever the skin's depth.
    if (ok && th.reso == 2)
        ok = WriteAtDepth((dir / "preview2.bmp").string(), screen.Scaled(60, 60), 8, false);
    if (ok) ok = WriteProject(dir / (std::string(th.folder) + ".skn"), th, L);
    if (!ok)
        std::fprintf(stderr, "skingen: cannot write the %s skin into %s\n", th.name,
                     dir.string().c_str());
    return ok;
}

}  // namespace

bool WriteSampleSkins(const std::filesystem::path& examples) {
    return WriteSkin(examples, Meadow()) && WriteSkin(examples, Nightfall());
}

}  // namespace skingen
