#include "AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppIcon.h"

namespace vantoro {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vantoro"));
    setObjectName(QStringLiteral("AboutDlg"));

    auto* icon = new QLabel(this);
    icon->setPixmap(CAppIcon::Icon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(VersionText(), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* notice = new QLabel(NoticeText(), this);
    notice->setObjectName(QStringLiteral("Notice"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(notice);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    // 218 x 50 dialog units: a quarter of the average character width across, an
    // eighth of the line height down.
    const QFontMetrics metrics(font());
    const int unitX = metrics.averageCharWidth();
    const int unitY = metrics.height();
    setMinimumSize(218 * unitX / 4, 50 * unitY / 8);
}

}  // namespace vantoro
