#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QStatusBar;

namespace vantoro {

// The status bar's message pane and its CAP, NUM and SCRL panes, kept in step with the
// keyboard's lock keys where the platform tells them.
class CStatusIndicators : public QObject {
    Q_OBJECT
public:
    explicit CStatusIndicators(QStatusBar* bar);
    ~CStatusIndicators() override;

    QLabel* MessagePane() const { return m_pMessagePane; }
    QList<QLabel*> Panes() const { return m_indicators; }
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_pMessagePane;
    QList<QLabel*> m_indicators;
};

}  // namespace vantoro
