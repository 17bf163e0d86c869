#pragma once

#include <QString>
#include <QWidget>

namespace vantoro {

// The description pane under the property list: the selected row's help text, a bold
// title line and a wrapped description, on a sunken button-face panel.
class CPropDescWnd : public QWidget {
    Q_OBJECT
public:
    // The pane's fixed class name, kept as its object name.
    static constexpr const char* kClassName = "R.VESK.CTRL.PROPERTY.DESC";

    explicit CPropDescWnd(QWidget* parent = nullptr);

    // Shows help string `stringId` (title, line break, description); clears the pane
    // when there is no such string or it is empty.
    void SetHelpText(unsigned stringId, bool redraw);
    void ClearText();

    const QString& Title() const { return m_strTitle; }
    const QString& Description() const { return m_strDescription; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateAccessibleText();

    QString m_strTitle;
    QString m_strDescription;
};

}  // namespace vantoro
