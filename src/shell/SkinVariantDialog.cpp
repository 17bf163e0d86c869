#include "SkinVariantDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "FilesInTheWay.h"
#include "MessageBox.h"
#include "PathString.h"
#include "SkinCodeChoices.h"
#include "SkinProject.h"
#include "SkinRenderer.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

// Both screens are shown this wide and high: a 160x160 one at twice its size.
constexpr int kPreviewSide = 320;
// A choice is derived once the choosing has paused this long (milliseconds).
constexpr int kPreviewPause = 300;
// A refusal's reason is shown up to this many lines long in the box itself.
constexpr int kReasonLines = 4;

// The shown folder's text as a path, relative ones taken from `base`.
QString FolderPath(const QString& text, const QString& base) {
    const QString folder = QDir::fromNativeSeparators(text.trimmed());
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir(base).absoluteFilePath(folder));
}

}  // namespace

CSkinVariantDialog::CSkinVariantDialog(const CSkinProject& project, CBitmapCache& bitmaps,
                                       QWidget* parent)
    : QDialog(parent),
      m_project(project),
      m_pReso(new QComboBox(this)),
      m_pDepth(new QComboBox(this)),
      m_pDither(new QComboBox(this)),
      m_pName(new QLineEdit(this)),
      m_pFolder(new QLineEdit(this)),
      m_pOriginal(new QLabel(this)),
      m_pVariant(new QLabel(this)),
      m_pVariantCaption(new QLabel(this)),
      m_pNote(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Save Skin Variant As"));

    CSkinCodeChoices::AddResolutions(*m_pReso);
    m_pReso->setAccessibleName(QStringLiteral("Resolution"));
    // The other screen size is what a variant is most often for; the depth stays. A skin
    // of no known size is shown on the small screen, so the large one is offered.
    const std::optional<CResolution> own = CResolution::FromCode(project.SkinInfo.Reso);
    m_pReso->setCurrentIndex(own && own->Index() == 1 ? 0 : 1);
    CSkinCodeChoices::AddDepths(*m_pDepth);
    m_pDepth->setAccessibleName(QStringLiteral("Color Depth"));
    m_pDepth->setCurrentIndex(CDataSkinInfo::DepthIndexOf(project.SkinInfo.Depth));
    m_pDither->addItems({QStringLiteral("None (crisp pixel art)"),
                         QStringLiteral("Ordered (calm on gradients)"),
                         QStringLiteral("Diffusion (photographs)")});
    m_pDither->setAccessibleName(QStringLiteral("Dithering"));

    m_pName->setAccessibleName(QStringLiteral("Skin Name"));
    m_pName->setMaxLength(31);  // what the database keeps of a name
    m_pFolder->setAccessibleName(QStringLiteral("Folder"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setAccessibleName(QStringLiteral("Browse for the folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_pFolder, 1);
    folderRow->addWidget(browse);

    auto* originalCaption = new QLabel(
        QStringLiteral("Original (%1x%1)").arg(CResolution::DrawingSide(project.SkinInfo.Reso)),
        this);
    for (QLabel* picture : {m_pOriginal, m_pVariant}) {
        picture->setFixedSize(kPreviewSide, kPreviewSide);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    m_pOriginal->setAccessibleName(QStringLiteral("Original screen"));
    m_pVariant->setAccessibleName(QStringLiteral("Variant screen"));
    CRenderOptions plain;
    plain.Overlay = false;
    m_pOriginal->setPixmap(Shown(CSkinRenderer(bitmaps).RenderScreen(project, plain)));
    auto* pictures = new QGridLayout;
    pictures->addWidget(originalCaption, 0, 0);
    pictures->addWidget(m_pVariantCaption, 0, 1);
    pictures->addWidget(m_pOriginal, 1, 0);
    pictures->addWidget(m_pVariant, 1, 1);
    m_pNote->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Resolution:"), m_pReso);
    form->addRow(QStringLiteral("Color &depth:"), m_pDepth);
    form->addRow(QStringLiteral("D&ithering:"), m_pDither);
    form->addRow(QStringLiteral("Skin &name:"), m_pName);
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(m_pFolder);
    form->addRow(folderLabel, folderRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addWidget(m_pNote);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CSkinVariantDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CSkinVariantDialog::OnBrowse);
    for (QComboBox* choice : {m_pReso, m_pDepth, m_pDither})
        connect(choice, &QComboBox::currentIndexChanged, this,
                &CSkinVariantDialog::OnChoiceChanged);
    // Only what the user types counts as their own: the suggestions are set, not edited.
    connect(m_pName, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_bNameTyped = !text.isEmpty() && text != m_strSuggestedName;
        SuggestFolder();
    });
    connect(m_pFolder, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_bFolderTyped = !text.trimmed().isEmpty() && text != m_strSuggestedFolder;
    });
    connect(m_pFolder, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_pOk->setEnabled(!text.trimmed().isEmpty()); });
    m_previewTimer.setSingleShot(true);
    m_previewTimer.setInterval(kPreviewPause);
    connect(&m_previewTimer, &QTimer::timeout, this, &CSkinVariantDialog::UpdatePreview);

    Suggest();
    // The first preview is made once the dialog shows, so it opens at once.
    m_previewTimer.start(0);
}

CVariantOptions CSkinVariantDialog::Options() const {
    CVariantOptions options;
    // Nothing chosen is a size and a depth the deriver refuses with its own message.
    const std::optional<CResolution> reso = CSkinCodeChoices::Resolution(*m_pReso);
    const std::optional<CColourDepth> depth = CSkinCodeChoices::Depth(*m_pDepth);
    options.Resolution = reso ? reso->Side() : 0;
    options.Depth = depth ? depth->Code() : 0;
    options.Dither = CDither(std::clamp(m_pDither->currentIndex(), 0, 2));
    options.Name = m_pName->text().isEmpty() ? std::string() : FromQString(m_pName->text());
    return options;
}

void CSkinVariantDialog::OnChoiceChanged() {
    Suggest();
    m_previewTimer.start(kPreviewPause);
}

void CSkinVariantDialog::Suggest() {
    CVariantOptions options = Options();
    options.Name.clear();
    m_strSuggestedName = ToQString(CSkinDeriver::VariantName(m_project.SkinInfo.SkinName, options));
    if (!m_bNameTyped && m_pName->text() != m_strSuggestedName)
        m_pName->setText(m_strSuggestedName);
    SuggestFolder();
    m_pVariantCaption->setText(
        QStringLiteral("Variant (%1x%1, %2)").arg(options.Resolution).arg(m_pDepth->currentText()));
}

void CSkinVariantDialog::SuggestFolder() {
    const QString name = m_pName->text().isEmpty() ? m_strSuggestedName : m_pName->text();
    m_strSuggestedFolder = QDir::toNativeSeparators(FolderFor(name));
    if (!m_bFolderTyped) m_pFolder->setText(m_strSuggestedFolder);
}

QDir CSkinVariantDialog::Beside() const {
    QDir beside = QFileInfo(PathToQString(m_project.PathName)).absoluteDir();
    beside.cdUp();
    return beside;
}

QString CSkinVariantDialog::FolderFor(const QString& name) const {
    const QDir beside = Beside();
    // A name may hold what a folder's name cannot.
    QString base = name.trimmed();
    for (QChar& c : base)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = u'-';
    if (base.isEmpty() || base == QStringLiteral(".") || base == QStringLiteral(".."))
        base = QStringLiteral("Variant");
    QString folder = base;
    for (int n = 2; beside.exists(folder) && n < 100; ++n)
        folder = base + QStringLiteral(" ") + QString::number(n);
    return beside.filePath(folder);
}

void CSkinVariantDialog::OnBrowse() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for the Skin Variant"), m_pFolder->text());
    if (chosen.isEmpty()) return;
    m_pFolder->setText(QDir::toNativeSeparators(chosen));
    m_bFolderTyped = true;
}

QPixmap CSkinVariantDialog::Shown(const QImage& screen) {
    if (screen.isNull()) return QPixmap();
    // Whole pixels, so the handheld's pixels stay crisp and both screens line up.
    const int scale =
        std::max(1, kPreviewSide / std::max(1, std::max(screen.width(), screen.height())));
    return QPixmap::fromImage(screen.scaled(screen.width() * scale, screen.height() * scale,
                                            Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void CSkinVariantDialog::UpdatePreview() {
    m_pVariant->clear();
    if (!m_scratch.isValid()) {
        m_pNote->setText(
            QStringLiteral("No preview: the system's temporary folder cannot be used."));
        return;
    }
    // Each preview goes into a folder of its own: a variant never replaces files.
    const QString folder = m_scratch.filePath(QString::number(++m_nPreviews));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CResult<CVariantResult> derived =
        CSkinDeriver::Derive(m_project, QStringToPath(folder), Options());
    QString note;
    if (!derived) {
        note = QStringLiteral("No preview: ") + PathToQString(derived.Error());
    } else if (CResult<std::unique_ptr<CSkinProject>> variant =
                   CSkinProject::Read(PathString(derived->ProjectPath));
               !variant) {
        note = QStringLiteral("No preview: ") + PathToQString(variant.Error());
    } else {
        CRenderOptions plain;
        plain.Overlay = false;
        // A renderer of its own: the scratch files are not the window's to keep.
        m_pVariant->setPixmap(Shown(CSkinRenderer().RenderScreen(**variant, plain)));
        const int count = int(derived->Warnings.size());
        note = count == 0 ? QStringLiteral("Everything carries over exactly.")
               : count == 1
                   ? QStringLiteral("One thing cannot be carried over exactly; OK lists it.")
                   : QStringLiteral("%1 things cannot be carried over exactly; OK lists them.")
                         .arg(count);
    }
    QApplication::restoreOverrideCursor();
    QDir(folder).removeRecursively();
    m_pNote->setText(note);
}

void CSkinVariantDialog::accept() {
    const QString folder = FolderPath(m_pFolder->text(), Beside().path());
    if (folder.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::string> inTheWay;
    CResult<CVariantResult> derived =
        CSkinDeriver::Derive(m_project, QStringToPath(folder), Options(), &inTheWay);
    QApplication::restoreOverrideCursor();
    const QString headline = QStringLiteral("Unable to save the skin variant.");
    if (!derived && CFilesInTheWay::Show(this, headline, inTheWay, QStringToPath(folder),
                                         QStringLiteral("The variant"))) {
        m_pFolder->setFocus();
        m_pFolder->selectAll();
        return;
    }
    if (!derived) {
        // A refusal may list every file in the way: the box names a few, Details all.
        QStringList reason = PathToQString(derived.Error()).split(u'\n');
        QString details;
        if (reason.size() > kReasonLines) {
            details = reason.join(u'\n');
            reason = reason.mid(0, kReasonLines)
                     << QStringLiteral("... Show Details... has it all.");
        }
        CMessageBox::Show(
            this,
            QStringLiteral("Unable to save the skin variant into the folder\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(folder), reason.join(u'\n')),
            CMessageBox::Kind::Warning, details);
        // The folder is what the user mends.
        m_pFolder->setFocus();
        m_pFolder->selectAll();
        return;
    }
    m_result = std::move(*derived);
    QDialog::accept();
}

}  // namespace vantoro
