#pragma once

#include <QWidget>

class QTextBrowser;

namespace vantoro {

// The tutorial in a window of the editor's own, for a machine where no browser opens it.
// One per owner: asking again brings the same window to the front.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the page `path` (an HTML file) in `owner`'s help window, made on first use.
    static CHelpWindow* Show(QWidget* owner, const QString& path);

    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    explicit CHelpWindow(QWidget* owner);

    QTextBrowser* m_pBrowser;
};

}  // namespace vantoro
