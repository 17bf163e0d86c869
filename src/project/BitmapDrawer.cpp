#include "BitmapDrawer.h"

namespace vantoro {
namespace {
IBitmapDrawer* g_drawer = nullptr;
}

void SetBitmapDrawer(IBitmapDrawer* drawer) {
    g_drawer = drawer;
}

void RelayDrawBitmap(QPainter& painter, const std::string& name, bool first) {
    if (g_drawer) g_drawer->DrawBitmap(painter, name, first);
}

}  // namespace vantoro
