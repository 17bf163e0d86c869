#include "ImportDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ArtworkImport.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

// The preview is at most this wide and high; small bitmaps are enlarged by whole pixels.
constexpr int kPreviewSide = 320;

}  // namespace

CImportDlg::CImportDlg(const CSkinProject& project, const CSkinField& field, QImage picture,
                       const QString& name, QWidget* parent)
    : QDialog(parent),
      m_project(project),
      m_field(field),
      m_picture(std::move(picture)),
      m_strName(name),
      m_pDither(new QComboBox(this)),
      m_pFit(new QCheckBox(QStringLiteral("&Fit to the element's size (cut or padded)"), this)),
      m_pPreview(new QLabel(this)),
      m_pNote(new QLabel(this)),
      m_pButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(
        QStringLiteral("Import Image into %1").arg(ToQString(CSkinFields::Label(field))));
    m_pDither->addItems({QStringLiteral("None (crisp pixel art)"),
                         QStringLiteral("Ordered (calm on gradients)"),
                         QStringLiteral("Diffusion (photographs)")});
    m_pDither->setAccessibleName(QStringLiteral("Dithering"));
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setMinimumSize(160, 60);
    m_pPreview->setAccessibleName(QStringLiteral("Preview at the skin's depth"));
    m_pNote->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Dithering:"), m_pDither);
    form->addRow(QString(), m_pFit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("%1 as the skin will show it:").arg(name), this));
    layout->addWidget(m_pPreview, 1);
    layout->addLayout(form);
    layout->addWidget(m_pNote);
    layout->addWidget(m_pButtons);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pDither, &QComboBox::currentIndexChanged, this, &CImportDlg::Update);
    connect(m_pFit, &QCheckBox::toggled, this, &CImportDlg::Update);
    Update();
}

CImportOptions CImportDlg::Options() const {
    CImportOptions options;
    options.Dither = CDither(m_pDither->currentIndex());
    options.Fit = m_pFit->isChecked();
    return options;
}

void CImportDlg::Update() {
    CArtworkImporter importer;
    CArtworkImport import;
    QString note;
    QImage result;
    if (!importer.Compute(m_project, m_field, m_picture, FromQString(m_strName), Options(),
                          import)) {
        note = MessageToQString(importer.LastError());
    } else if (const std::string oversize = CArtworkImporter::Oversize(m_project, import);
               !oversize.empty()) {
        note = MessageToQString(oversize);
    } else {
        const std::string& bytes = import.Files.front().NewBytes;
        result = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()),
                                  "BMP");
        QStringList notes;
        for (const std::string& each : import.Notes) notes << MessageToQString(each);
        note = notes.join(u' ');
    }
    if (!result.isNull()) {
        const int side = std::max(result.width(), result.height());
        const int scale = std::max(1, kPreviewSide / std::max(1, side));
        QImage shown = result.scaled(result.width() * scale, result.height() * scale,
                                     Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (shown.width() > kPreviewSide || shown.height() > kPreviewSide)
            shown = shown.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        m_pPreview->setPixmap(QPixmap::fromImage(shown));
    } else {
        m_pPreview->clear();
    }
    m_pNote->setText(note);
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(!result.isNull());
}

}  // namespace vantoro
