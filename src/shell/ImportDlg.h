#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include "ArtworkImporter.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace vantoro {

class CSkinProject;
struct CSkinField;

// "Import Image": how a picture goes into a bitmap of the skin, as the command line's
// import takes it (dithering, fitting to the element), with the result shown at the
// skin's depth before anything is written. OK stays off while the importer refuses the
// picture as chosen, and the dialog says why.
class CImportDlg : public QDialog {
    Q_OBJECT
public:
    CImportDlg(const CSkinProject& project, const CSkinField& field, QImage picture,
               const QString& name, QWidget* parent = nullptr);

    CImportOptions Options() const;

    QComboBox* DitherBox() const { return m_pDither; }
    QCheckBox* FitBox() const { return m_pFit; }
    QLabel* Preview() const { return m_pPreview; }
    QLabel* Note() const { return m_pNote; }
    QDialogButtonBox* Buttons() const { return m_pButtons; }

private:
    // Works the import out again as chosen and shows it.
    void Update();

    const CSkinProject& m_project;
    const CSkinField& m_field;
    QImage m_picture;
    QString m_strName;
    QComboBox* m_pDither;
    QCheckBox* m_pFit;
    QLabel* m_pPreview;
    QLabel* m_pNote;
    QDialogButtonBox* m_pButtons;
};

}  // namespace vantoro
