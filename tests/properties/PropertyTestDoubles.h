#pragma once

#include <QRect>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "InPlaceComboEditor.h"
#include "InPlaceTextEditor.h"
#include "PropertyItem.h"
#include "PropertyItemManager.h"
#include "PropertyListHost.h"

namespace vantoro::test {

// A text field that remembers what the rows did to it.
class StubTextEditor : public IInPlaceTextEditor {
public:
    explicit StubTextEditor(const char* className) : m_className(className) {}
    const char* EditorClassName() const override { return m_className; }
    void MoveTo(const QRect& cell) override { this->cell = cell; }
    std::string GetText() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    void SelectAllAndFocus() override { ++selectAllCalls; }

    std::string text;
    QRect cell;
    int selectAllCalls = 0;

private:
    const char* m_className;
};

class StubComboEditor : public IInPlaceComboEditor {
public:
    const char* EditorClassName() const override { return "CInPlaceComboBoxImp"; }
    void MoveTo(const QRect& cell) override { this->cell = cell; }
    void ResetContent() override {
        entries.clear();
        ++resetCalls;
    }
    void AddString(const std::string& text) override { entries.push_back(text); }
    void SetCurSel(int index) override { selected = index; }
    int GetCurSel() const override { return selected; }
    void SetDropDownHeight(int count) override { dropDownRows = count; }

    std::vector<std::string> entries;
    int selected = -1;
    int dropDownRows = 0;
    int resetCalls = 0;
    QRect cell;
};

// A property list without widgets: a flat list of rows and a cache of stub editors.
class StubListHost : public IPropertyListHost {
public:
    void InsertItem(int index, CPropertyItem* item) override;
    void ExpandCategory(int index) override;
    IInPlaceEditor* FindEditor(const char* editorClass) override;
    void SetEditor(IInPlaceEditor* editor, bool created) override;
    IInPlaceEditor* CreateEditor(const char* editorClass, const QRect& cell) override;

    std::vector<CPropertyItem*> rows;
    std::vector<std::unique_ptr<IInPlaceEditor>> cache;
    IInPlaceEditor* current = nullptr;
    int created = 0;
};

}  // namespace vantoro::test
