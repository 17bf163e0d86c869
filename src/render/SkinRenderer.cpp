#include "SkinRenderer.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "BitmapCache.h"
#include "Data.h"
#include "FileNameResolver.h"
#include "Resolution.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

// Names the list shows as the handheld's own applications would be listed.
const char* const kSampleNames[] = {"Address",  "Calculator", "Date Book", "Expense",
                                    "HotSync",  "Mail",       "Memo Pad",  "Prefs",
                                    "Security", "To Do List", "Welcome"};

QColor ToQColor(COLORREF c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Far-off coordinates of a damaged project must not overflow once multiplied by the zoom.
int Bounded(int64_t v) {
    return int(std::clamp<int64_t>(v, -100000, 100000));
}

// The rectangle with its edges bounded, so widths and heights cannot overflow either.
CRect BoundedRect(const CRect& r) {
    return {Bounded(r.left), Bounded(r.top), Bounded(r.right), Bounded(r.bottom)};
}

QRect Zoomed(const CRect& r, int zoom) {
    const int l = Bounded(r.left) * zoom, t = Bounded(r.top) * zoom;
    return QRect(l, t, Bounded(r.right) * zoom - l, Bounded(r.bottom) * zoom - t);
}

QRect OnScreen(const CRect& r) {
    return QRect(Bounded(r.left), Bounded(r.top), Bounded(r.right) - Bounded(r.left),
                 Bounded(r.bottom) - Bounded(r.top));
}

// Text needs fonts, and fonts need a GUI application; without one (a test or a tool
// with a core application only) the picture goes without its sample text.
bool CanDrawText() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont PixelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(pixels, 6));
    font.setBold(bold);
    // The handheld draws hard-edged text.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawSampleText(QImage& screen, const CRect& original, COLORREF color, int scale, bool list) {
    const CRect rect = BoundedRect(original);
    const QRect area = OnScreen(rect) & screen.rect();
    if (area.isEmpty() || !CanDrawText()) return;
    QPainter painter(&screen);
    painter.setClipRect(area);
    painter.setPen(ToQColor(color));
    if (!list) {
        painter.setFont(PixelFont(std::min(rect.Height() - 2, 12 * scale), true));
        painter.drawText(OnScreen(rect), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("12:45"));
        return;
    }
    const int line = 11 * scale;
    painter.setFont(PixelFont(9 * scale));
    int y = rect.top;
    for (const char* name : kSampleNames) {
        if (y >= rect.bottom) break;
        painter.drawText(
            QRect(rect.left + 2 * scale, y, std::max(rect.Width() - 2 * scale, 0), line),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(name));
        y += line;
    }
}

}  // namespace

CSkinRenderer::CSkinRenderer() : m_own(std::make_unique<CBitmapCache>()), m_bitmaps(*m_own) {}

CSkinRenderer::CSkinRenderer(CBitmapCache& bitmaps) : m_bitmaps(bitmaps) {}

CSkinRenderer::~CSkinRenderer() = default;

int CSkinRenderer::ClampZoom(int zoom) {
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

std::vector<CScreenElement> CSkinRenderer::Elements(const CSkinProject& project,
                                                    const CRenderOptions& options) {
    std::vector<CScreenElement> elements = CScreenLayout::Elements(project, options.Maximized);
    if (!options.OverrideField.empty())
        for (CScreenElement& element : elements)
            if (element.Field == options.OverrideField) element.Rect = options.OverrideRect;
    return elements;
}

bool CSkinRenderer::Concerns(const CSkinProblem& problem, const CScreenElement& element) {
    if (problem.Element == element.Field) return true;
    const size_t dot = element.Field.find('.');
    const std::string prefix = element.Field.substr(0, dot + 1);
    if (problem.Element.compare(0, prefix.size(), prefix) != 0) return false;
    // Another rectangle of the same element (the maximized one, say) is not this one.
    return problem.Element.compare(prefix.size(), 4, "Rect") != 0;
}

std::shared_ptr<const CDecodedBitmap> CSkinRenderer::Bitmap(const std::string& folder,
                                                            const std::string& name) {
    if (name.empty()) return nullptr;
    CResult<CBitmapCache::Bitmap> bitmap = m_bitmaps.Get(ResolveFileName(folder, name));
    return bitmap ? *bitmap : nullptr;
}

void CSkinRenderer::DrawBitmap(QImage& screen, const std::string& folder, const std::string& name,
                               const std::string& maskName, const CRect& rect) {
    const std::shared_ptr<const CDecodedBitmap> bitmap = Bitmap(folder, name);
    if (!bitmap) return;
    // Held while drawing: the mask may be the same file as the bitmap.
    const std::shared_ptr<const CDecodedBitmap> maskBitmap =
        maskName.empty() ? nullptr : Bitmap(folder, maskName);
    const QImage mask = maskBitmap ? maskBitmap->Image() : QImage();
    const QImage& bmp = bitmap->Image();
    const QRect area = OnScreen(rect) & screen.rect() &
                       QRect(Bounded(rect.left), Bounded(rect.top), bmp.width(), bmp.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(screen.scanLine(y));
        const int by = y - rect.top;
        const auto* in = reinterpret_cast<const QRgb*>(bmp.constScanLine(by));
        const QRgb* maskLine = !maskName.empty() && by < mask.height()
                                   ? reinterpret_cast<const QRgb*>(mask.constScanLine(by))
                                   : nullptr;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int bx = x - rect.left;
            if (maskName.empty()) {
                out[x] = in[bx];
                continue;
            }
            // Where the mask has no pixel (unreadable, or smaller than the bitmap) it is
            // black: the bitmap shows.
            const QRgb m = maskLine && bx < mask.width() ? maskLine[bx] : 0xFF000000u;
            out[x] = 0xFF000000u | (((out[x] & m) | in[bx]) & 0x00FFFFFFu);
        }
    }
}

QImage CSkinRenderer::RenderScreen(const CSkinProject& p, const CRenderOptions& options) {
    // A damaged project's screen of no known size still shows, on the small screen.
    const int size = CResolution::DrawingSide(p.SkinInfo.Reso);
    const int scale = size / CResolution::All()[0].Side();
    QImage screen(size, size, QImage::Format_RGB32);
    screen.fill(Qt::white);
    const std::string& folder = p.Folder;
    DrawBitmap(screen, folder, p.WallPaper.Bmp, {}, CRect{0, 0, size, size});
    for (const CScreenElement& e : Elements(p, options)) {
        const CData& record = p.Element(e.Element);
        auto text = [&](const CSkinField* field) {
            return field ? std::get<std::string>(record.Get(*field)) : std::string();
        };
        // The element's own bitmap (its first, not a mask), or the colour of its text.
        const CSkinField* bitmap = nullptr;
        const CSkinField* mask = nullptr;
        const CSkinField* colour = nullptr;
        for (const CSkinField* field : CSkinFields::Of(e.Element)) {
            if (!bitmap && field->Kind == CFieldKind::Bitmap && field->DrawnIn && !field->Mask)
                bitmap = field;
            if (!colour && field->Kind == CFieldKind::Colour) colour = field;
        }
        for (const CSkinField* field : CSkinFields::Of(e.Element))
            if (bitmap && field->Mask && field->MaskOf &&
                std::string_view(field->MaskOf) == bitmap->Member)
                mask = field;
        if (e.Rectangle->Screen.Shape == CScreenShape::Bitmap) {
            DrawBitmap(screen, folder, text(bitmap), text(mask), e.Rect);
        } else if (colour) {
            DrawSampleText(screen, e.Rect, std::get<COLORREF>(record.Get(*colour)), scale,
                           e.Rectangle->Screen.Shape == CScreenShape::TextLines);
        }
    }
    return screen;
}

QImage CSkinRenderer::Render(const CSkinProject& project, const CRenderOptions& options,
                             const std::vector<CSkinProblem>& problems) {
    const int zoom = ClampZoom(options.Zoom);
    QImage picture = RenderScreen(project, options);
    if (zoom > 1)
        picture = picture.scaled(picture.width() * zoom, picture.height() * zoom,
                                 Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (options.Overlay) {
        QPainter painter(&picture);
        CRenderOptions zoomed = options;
        zoomed.Zoom = zoom;
        DrawOverlay(painter, project, zoomed, problems);
    }
    return picture;
}

void CSkinRenderer::DrawOverlay(QPainter& painter, const CSkinProject& p,
                                const CRenderOptions& options,
                                const std::vector<CSkinProblem>& problems) const {
    const int zoom = ClampZoom(options.Zoom);
    const bool text = CanDrawText();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (text) painter.setFont(PixelFont(std::clamp(4 + 2 * zoom, 8, 12)));
    const std::vector<CScreenElement> elements = Elements(p, options);

    // Each name goes to the first of its places that no name before it covers: inside its
    // element's top left, bottom left or top right corner, or just below or above it.
    std::vector<QRect> taken;
    auto label = [&](const QRect& around, const QString& name, const QColor& color) {
        if (!text) return;
        const QSize size = painter.fontMetrics().boundingRect(name).adjusted(-2, 0, 2, 0).size();
        const QPoint places[] = {
            around.topLeft() + QPoint(1, 1),
            QPoint(around.left() + 1, around.bottom() - size.height()),
            QPoint(around.right() - size.width(), around.top() + 1),
            around.bottomLeft() + QPoint(0, 2),
            around.topLeft() - QPoint(0, size.height() + 1),
        };
        QRect placed(places[0], size);
        for (const QPoint& at : places) {
            const QRect here(at, size);
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const QRect& other) { return other.intersects(here); })) {
                placed = here;
                break;
            }
        }
        taken.push_back(placed);
        painter.fillRect(placed, QColor(0, 0, 0, 170));
        painter.setPen(color);
        painter.drawText(placed, Qt::AlignCenter, name);
    };

    // Tool bar buttons, relative to the tool bar, and the two popups' anchor points.
    if (!options.Maximized) {
        CRect bar = p.ToolBar.Rect;
        for (const CScreenElement& e : elements)
            if (e.Element == CSkinElement::ToolBar) bar = e.Rect;
        painter.setPen(QPen(QColor(255, 60, 200), 1, Qt::DotLine));
        for (const CRect& button : {p.ToolBar.RectButtonInfo, p.ToolBar.RectButtonBeam,
                                    p.ToolBar.RectButtonDelete, p.ToolBar.RectButtonTools}) {
            const CRect placed{Bounded(int64_t(bar.left) + button.left),
                               Bounded(int64_t(bar.top) + button.top),
                               Bounded(int64_t(bar.left) + button.right),
                               Bounded(int64_t(bar.top) + button.bottom)};
            if (placed.Width() > 0 && placed.Height() > 0)
                painter.drawRect(Zoomed(placed, zoom).adjusted(0, 0, -1, -1));
        }
        // The tools popup's left edge and bottom edge meet at PtTools.
        const QPoint tools(Bounded(p.Popups.PtTools.x) * zoom, Bounded(p.Popups.PtTools.y) * zoom);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(tools, tools + QPoint(0, -6 * zoom));
        painter.drawLine(tools, tools + QPoint(6 * zoom, 0));
        label(QRect(tools + QPoint(1, -6 * zoom - 13), QSize(1, 1)), QStringLiteral("Tools popup"),
              Qt::white);
    }
    // The category popup hangs from PtCategory (its right and top edge) at most this big.
    const CRect category{Bounded(int64_t(p.Popups.PtCategory.x) - p.Popups.MaxSizeCategory.cx),
                         Bounded(p.Popups.PtCategory.y), Bounded(p.Popups.PtCategory.x),
                         Bounded(int64_t(p.Popups.PtCategory.y) + p.Popups.MaxSizeCategory.cy)};
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DashLine));
    if (category.Width() > 0 && category.Height() > 0) {
        const QRect r = Zoomed(category, zoom).adjusted(0, 0, -1, -1);
        painter.drawRect(r);
        label(QRect(QPoint(r.right() - 71, r.bottom() - 15), QSize(1, 1)),
              QStringLiteral("Category popup"), Qt::white);
    }

    for (const CScreenElement& e : elements) {
        const bool warned =
            std::any_of(problems.begin(), problems.end(),
                        [&](const CSkinProblem& problem) { return Concerns(problem, e); });
        if (e.Rect.right <= e.Rect.left || e.Rect.bottom <= e.Rect.top) continue;
        const QRect r = Zoomed(e.Rect, zoom).adjusted(0, 0, -1, -1);
        painter.setPen(QPen(QColor(e.Color), 1));
        painter.drawRect(r);
        if (warned) {
            painter.setPen(QPen(Qt::red, 2, Qt::DashLine));
            painter.drawRect(r.adjusted(1, 1, -1, -1));
        }
        label(r, QString::fromStdString((warned ? "! " : "") + e.Name),
              warned ? QColor(255, 90, 90) : QColor(e.Color));
    }
    painter.restore();
}

}  // namespace vantoro
