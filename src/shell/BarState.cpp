#include "BarState.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <QToolBar>
#include <algorithm>

#include "CommandIds.h"
#include "Profile.h"

namespace vantoro {
namespace {

// Raised whenever the layout of the bars changes meaning, so an older stored layout is
// ignored instead of misread.
constexpr int kBarStateVersion = 1;

QString Key(const char* name) {
    return QStringLiteral("BarState/") + QLatin1String(name);
}

}  // namespace

CBarState::CBarState(QMainWindow& window, const QHash<int, QAction*>& actions)
    : m_window(window), m_actions(actions), m_buttons(DefaultButtons()) {}

const std::vector<int>& CBarState::DefaultButtons() {
    static const std::vector<int> buttons{
        ID_FILE_OPEN, ID_SAVE_PROJECT, ID_SEPARATOR, ID_EDIT_UNDO,   ID_EDIT_REDO,
        ID_SEPARATOR, ID_BUILD_SKIN,   ID_SEPARATOR, ID_HELP_HOWDOI, ID_APP_ABOUT};
    return buttons;
}

void CBarState::SetButtons(QToolBar* bar, const std::vector<int>& buttons) {
    std::vector<int> kept;
    for (int id : buttons)
        if (id == ID_SEPARATOR || (m_actions.contains(id) && id != ID_FILE_NEW)) kept.push_back(id);
    m_buttons = kept;
    if (!bar) return;
    bar->clear();
    for (int id : m_buttons) {
        if (id == ID_SEPARATOR)
            bar->addSeparator();
        else
            bar->addAction(m_actions.value(id));
    }
}

void CBarState::Load(QToolBar* bar) {
    auto settings = CProfile::Open();
    if (settings->contains(Key("Buttons"))) {
        const QStringList stored = settings->value(Key("Buttons")).toStringList();
        std::vector<int> buttons;
        for (const QString& text : stored) {
            bool ok = false;
            const int id = text.toInt(&ok);
            if (ok) buttons.push_back(id);
        }
        SetButtons(bar, buttons);
        // A list of which nothing is known any more is not what the user made.
        const bool hasCommand = std::any_of(m_buttons.begin(), m_buttons.end(),
                                            [](int id) { return id != ID_SEPARATOR; });
        if (!stored.isEmpty() && !hasCommand) SetButtons(bar, DefaultButtons());
    }
    const QByteArray geometry = settings->value(Key("Geometry")).toByteArray();
    if (!geometry.isEmpty()) m_window.restoreGeometry(geometry);
    const QByteArray layout = settings->value(Key("Summary")).toByteArray();
    if (!layout.isEmpty()) m_window.restoreState(layout, kBarStateVersion);
    if (settings->contains(Key("StatusBar")))
        m_window.statusBar()->setHidden(!settings->value(Key("StatusBar")).toBool());
}

void CBarState::Save() const {
    auto settings = CProfile::Open();
    settings->setValue(Key("Summary"), m_window.saveState(kBarStateVersion));
    settings->setValue(Key("Geometry"), m_window.saveGeometry());
    QStringList buttons;
    for (int id : m_buttons) buttons.append(QString::number(id));
    settings->setValue(Key("Buttons"), buttons);
    settings->setValue(Key("StatusBar"), !m_window.statusBar()->isHidden());
}

}  // namespace vantoro
