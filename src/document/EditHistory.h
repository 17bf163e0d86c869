#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <string>

#include "PropertySheetObserver.h"

namespace vantoro {

class CSkinProject;

// The one history of a project's edits. Every committed change of a row that alters a
// value, and that the rule book lets in, becomes one command, which makes the change; undo
// and redo put values back through the sheet's store path. The project is modified
// exactly when the stack is not at its clean index.
class CEditHistory : public QObject, public IPropertySheetObserver {
    Q_OBJECT
public:
    explicit CEditHistory(QObject* parent = nullptr);
    ~CEditHistory() override;

    // Listens to every sheet of `project` (null: stops listening to the one before).
    void Attach(CSkinProject* project);

    QUndoStack& Stack() { return m_stack; }
    bool IsModified() const { return !m_stack.isClean(); }
    // After a save: the project on disk is what the history now stands at.
    void SetClean() { m_stack.setClean(); }
    // After a load or close: nothing left to undo, nothing modified.
    void Clear() { m_stack.clear(); }

    // The rule book's judgement of a value for a row of the attached project.
    std::string Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                        const CPropertyValue& value) override;
    // Pushes the change as one command, which makes it.
    bool OnValueCommitted(CPropertyItemManager& sheet, const CPropertyItem& item,
                          const CPropertyValue& before, const CPropertyValue& after) override;
    void OnRefreshView() override { emit RefreshView(); }
    void OnRefused(const CPropertyItemManager& sheet, const CPropertyItem& item,
                   const std::string& reason) override;

    // While set, committed changes are nudges (arrow keys on the layout): nudges of one
    // rectangle in a row are one step until a pause of a second or another change.
    void SetNudging(bool nudging) { m_bNudging = nudging; }
    // The clock nudges are timed by, in milliseconds (tests set their own).
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }

    // Emitted by undo and redo after `sheet`'s row `itemId` took its value back.
    void NotifyValueApplied(CPropertyItemManager* sheet, uint8_t itemId) {
        emit ValueApplied(sheet, itemId);
    }

    void NotifyStepFailed(const QString& reason) { emit StepFailed(reason); }

signals:
    // A row that shows in the preview changed.
    void RefreshView();
    // A value the rule book does not let in was entered (typed or dragged): the reason.
    void Refused(const QString& reason);
    void ValueApplied(CPropertyItemManager* sheet, uint8_t itemId);
    // A step undone or redone could not put everything back (a file it rewrites): why.
    void StepFailed(const QString& reason);

private:
    QUndoStack m_stack;
    CSkinProject* m_pProject = nullptr;
    bool m_bNudging = false;
    std::function<int64_t()> m_clock;
};

}  // namespace vantoro
