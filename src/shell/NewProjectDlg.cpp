#include "NewProjectDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "FilesInTheWay.h"
#include "MessageBox.h"
#include "NewSkinProject.h"
#include "Profile.h"
#include "SkinCodeChoices.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

const QString kLastFolderKey = QStringLiteral("New Skin Project/Folder");
constexpr int kDefaultDepth = 8;  // 256 colours

// The skin's own folder below the one chosen.
QString SkinFolder(const QString& folder, const QString& name) {
    return QDir::cleanPath(QDir(folder).filePath(name));
}

}  // namespace

CNewProjectDlg::CNewProjectDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Skin Project"));

    m_pFolder = new QLineEdit(QDir::toNativeSeparators(LastFolder()), this);
    m_pFolder->setAccessibleName(QStringLiteral("Folder"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setAccessibleName(QStringLiteral("Browse for the folder"));
    connect(browse, &QPushButton::clicked, this, &CNewProjectDlg::OnBrowse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_pFolder, 1);
    folderRow->addWidget(browse);

    m_pName = new QLineEdit(this);
    m_pName->setAccessibleName(QStringLiteral("Skin Name"));
    // The build takes no more; longer names are refused with a message anyway.
    m_pName->setMaxLength(31);

    m_pReso = new QComboBox(this);
    m_pReso->setAccessibleName(QStringLiteral("Resolution"));
    CSkinCodeChoices::AddResolutions(*m_pReso);
    m_pDepth = new QComboBox(this);
    m_pDepth->setAccessibleName(QStringLiteral("Color Depth"));
    CSkinCodeChoices::AddDepths(*m_pDepth);
    m_pDepth->setCurrentIndex(CColourDepth::FromCode(kDefaultDepth)->Index());

    m_pTarget = new QLabel(this);
    m_pTarget->setWordWrap(true);
    m_pTarget->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(m_pFolder);
    form->addRow(folderLabel, folderRow);
    form->addRow(QStringLiteral("Skin &name:"), m_pName);
    form->addRow(QStringLiteral("&Resolution:"), m_pReso);
    form->addRow(QStringLiteral("Color &depth:"), m_pDepth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewProjectDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pTarget);
    layout->addWidget(buttons);

    connect(m_pFolder, &QLineEdit::textChanged, this, &CNewProjectDlg::UpdateControls);
    connect(m_pName, &QLineEdit::textChanged, this, &CNewProjectDlg::UpdateControls);
    UpdateControls();
    m_pName->setFocus();
    resize(480, sizeHint().height());
}

QString CNewProjectDlg::LastFolder() {
    const QString folder = CProfile::Open()->value(kLastFolderKey).toString();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void CNewProjectDlg::OnBrowse() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for the New Skin"), m_pFolder->text());
    if (!chosen.isEmpty()) m_pFolder->setText(QDir::toNativeSeparators(chosen));
}

void CNewProjectDlg::UpdateControls() {
    const QString folder = m_pFolder->text().trimmed(), name = m_pName->text();
    const bool complete = !folder.isEmpty() && !name.isEmpty();
    m_pOk->setEnabled(complete);
    m_pTarget->setText(complete ? QStringLiteral("The skin goes into %1.")
                                      .arg(QDir::toNativeSeparators(SkinFolder(folder, name)))
                                : QStringLiteral("Choose a folder and name the skin."));
}

void CNewProjectDlg::accept() {
    const QString folder = m_pFolder->text().trimmed(), name = m_pName->text();
    if (folder.isEmpty() || name.isEmpty()) return;
    CNewSkinProject skin;
    skin.Folder = QStringToPath(SkinFolder(QDir::fromNativeSeparators(folder), name));
    skin.SkinName = FromQString(name);
    // Nothing chosen is a code the project refuses with its own message.
    const std::optional<CResolution> reso = CSkinCodeChoices::Resolution(*m_pReso);
    const std::optional<CColourDepth> depth = CSkinCodeChoices::Depth(*m_pDepth);
    skin.Reso = reso ? reso->Code() : 0;
    skin.Depth = depth ? depth->Code() : 0;
    if (!skin.Create()) {
        if (!CFilesInTheWay::Show(this, QString(), skin.InTheWay(), skin.TargetFolder()))
            CMessageBox::Show(this, PathToQString(skin.LastError()));
        return;
    }
    CProfile::Open()->setValue(kLastFolderKey, QDir::fromNativeSeparators(folder));
    m_strProjectPath = PathToQString(skin.ProjectPath());
    QDialog::accept();
}

}  // namespace vantoro
