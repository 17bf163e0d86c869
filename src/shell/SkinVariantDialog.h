#pragma once

#include <QDialog>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include "SkinDeriver.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// "Save Skin Variant As": the skin for another screen size or depth, its name and the new
// folder it goes into, with the derived screen shown beside the original before anything
// is written. The name and the folder follow the choices until the user types their own.
// OK derives into the folder; a refusal is told and the dialog stays open.
class CSkinVariantDialog : public QDialog {
    Q_OBJECT
public:
    // `project` as it is in the window, unsaved edits included; `bitmaps` the window's
    // cache, which the original's picture is drawn from.
    CSkinVariantDialog(const CSkinProject& project, CBitmapCache& bitmaps,
                       QWidget* parent = nullptr);

    CVariantOptions Options() const;
    // What OK wrote, once the dialog was accepted.
    const CVariantResult& Result() const { return m_result; }

    QComboBox* ResolutionBox() const { return m_pReso; }
    QComboBox* DepthBox() const { return m_pDepth; }
    QComboBox* DitherBox() const { return m_pDither; }
    QLineEdit* NameEdit() const { return m_pName; }
    QLineEdit* FolderEdit() const { return m_pFolder; }
    QPushButton* OkButton() const { return m_pOk; }
    QLabel* OriginalPicture() const { return m_pOriginal; }
    QLabel* VariantPicture() const { return m_pVariant; }
    QLabel* Note() const { return m_pNote; }
    // Whether a change waits for the pause before the preview is derived again.
    bool IsPreviewPending() const { return m_previewTimer.isActive(); }

public slots:
    void accept() override;

private:
    void OnChoiceChanged();
    void OnBrowse();
    // The suggested name and folder for the choices, where the user has not typed their own.
    void Suggest();
    void SuggestFolder();
    // Where new folders are suggested: the folder that holds the project's folder.
    QDir Beside() const;
    // A folder beside the project's named `name`, one that is not there yet.
    QString FolderFor(const QString& name) const;
    // Derives into a scratch folder and shows the result beside the original.
    void UpdatePreview();
    // `screen` enlarged by whole pixels to the preview's size.
    static QPixmap Shown(const QImage& screen);

    const CSkinProject& m_project;
    QComboBox* m_pReso;
    QComboBox* m_pDepth;
    QComboBox* m_pDither;
    QLineEdit* m_pName;
    QLineEdit* m_pFolder;
    QPushButton* m_pOk = nullptr;
    QLabel* m_pOriginal;
    QLabel* m_pVariant;
    QLabel* m_pVariantCaption;
    QLabel* m_pNote;
    QString m_strSuggestedName;
    QString m_strSuggestedFolder;
    bool m_bNameTyped = false;
    bool m_bFolderTyped = false;
    QTimer m_previewTimer;
    QTemporaryDir m_scratch;
    int m_nPreviews = 0;
    CVariantResult m_result;
};

}  // namespace vantoro
