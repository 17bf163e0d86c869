#pragma once

#include <QRect>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "InPlaceEditor.h"
#include "PropertyItem.h"
#include "PropertyItemManager.h"
#include "PropertyListHost.h"

namespace vantoro::test {

// An editor of any kind that remembers what the rows did to it and reads back whatever
// value it holds.
class StubEditor : public IInPlaceEditor {
public:
    explicit StubEditor(EEditorKind kind) : kind(kind) {}
    EEditorKind Kind() const override { return kind; }
    void MoveTo(const QRect& to) override { cell = to; }
    void Load(const CPropertyValue& loaded, const std::vector<std::string>& texts) override {
        value = loaded;
        choices = texts;
        ++loads;
    }
    CResult<CPropertyValue> Read() const override { return value; }
    bool HasTyping() const override { return false; }
    bool TakesTyping() const override { return kind != EEditorKind::Choice; }
    void FocusField() override {}
    bool PressButton() override { return false; }

    EEditorKind kind;
    CPropertyValue value;
    std::vector<std::string> choices;
    QRect cell;
    int loads = 0;
};

// A property list without widgets: a flat list of rows and a cache of stub editors.
class StubListHost : public IPropertyListHost {
public:
    void InsertItem(int index, CPropertyItem* item) override;
    void ExpandCategory(int index) override;
    IInPlaceEditor* FindEditor(EEditorKind kind) override;
    void SetEditor(IInPlaceEditor* editor, bool created) override;
    IInPlaceEditor* CreateEditor(EEditorKind kind, const QRect& cell) override;

    std::vector<CPropertyItem*> rows;
    std::vector<std::unique_ptr<StubEditor>> cache;
    IInPlaceEditor* current = nullptr;
    int created = 0;
};

}  // namespace vantoro::test
