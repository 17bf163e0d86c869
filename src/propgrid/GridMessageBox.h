#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vantoro {

// The grid's own messages ("Invalid Entry", the rectangle dialog's checks): a box with
// an OK button owned by the editor or dialog. Tests install a handler that records the
// texts instead of blocking on a modal box.
class CGridMessageBox {
public:
    using Handler =
        std::function<void(QWidget* parent, const QString& text, const QString& caption)>;

    static void Show(QWidget* parent, const QString& text, const QString& caption);
    // Installs `handler` (empty: the real box) and returns the one before.
    static Handler SetHandler(Handler handler);

private:
    static Handler& CurrentHandler();
};

}  // namespace vantoro
