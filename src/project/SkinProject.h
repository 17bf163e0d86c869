#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "DataAppList.h"
#include "DataBattery.h"
#include "DataDateTime.h"
#include "DataMaximizeVuzuRuzIcon.h"
#include "DataPopups.h"
#include "DataPreview.h"
#include "DataScrollBar.h"
#include "DataSkinInfo.h"
#include "DataSystemIcons.h"
#include "DataTitleBar.h"
#include "DataToolBar.h"
#include "DataToolBarToggler.h"
#include "DataWallPaper.h"
#include "ElementsTreeCtrl.h"
#include "ProfileStore.h"
#include "ProjectObserver.h"
#include "Result.h"

namespace vantoro {

class IPropertySheetJudge;

// The one skin project: thirteen element records in file order, the project file's
// path and folder; what shows it observes it.
class CSkinProject {
public:
    CSkinProject();
    ~CSkinProject() = default;
    CSkinProject(const CSkinProject&) = delete;
    CSkinProject& operator=(const CSkinProject&) = delete;

    // The smallest file that is a project: a save into it writes every section and key.
    static constexpr const char* kEmptyProjectContent = "[SkinInfo]\r\n";

    // Why the file at `path` is not a skin project ("... has no [SkinInfo] section"), or
    // empty when it is one. Every way of opening a project asks here first, so a file of
    // any other kind is refused instead of loading with every value at its default.
    static std::string ProjectFileProblem(const std::string& path);

    // Reads the project at `path` (made absolute), or says which file failed and why.
    // The path already open is not read again.
    CResult<void> LoadProject(const std::string& path);
    // The project at `path`, read into a project of its own so that a failure touches
    // nothing open.
    static CResult<std::unique_ptr<CSkinProject>> Read(const std::string& path);
    // Becomes `loaded` (a project Read): its file, its values, its sheets' rows, the tree.
    void TakeFrom(CSkinProject& loaded);
    // Writes every element. The file is replaced in one step, so a failure leaves the file
    // as it was; a missing file is never created.
    CResult<void> SaveProject();
    void CloseProject();

    // `observer` is told of every load, take-over and close until it is removed.
    void AddObserver(IProjectObserver& observer);
    void RemoveObserver(IProjectObserver& observer);
    // Shows the elements in `tree`: every element under its category when a project is
    // loaded, nothing otherwise.
    void ShowIn(IElementsTreeCtrl& tree);

    // Every element's sheet asks `judge` whether a value may go in (null: nothing judges).
    void SetSheetJudge(const IPropertySheetJudge* judge);
    // The element's name as the user knows it from the tree ("Title Bar"), or empty for
    // a sheet of no element of this project.
    std::string ElementName(const CPropertyItemManager* sheet);
    // The record of `element`.
    CData& Element(CSkinElement element);
    const CData& Element(CSkinElement element) const;

    // The project file as read and written, cached until it changes on disk.
    CProfileStore& ProfileStore() { return m_profiles; }

    // The project folder for "no project": the file-system root ("C:\" on Windows).
    static std::string NoProjectFolder();

    std::string PathName;
    std::string Folder;
    CDataSkinInfo SkinInfo;
    CDataWallPaper WallPaper;
    CDataToolBar ToolBar;
    CDataTitleBar TitleBar;
    CDataToolBarToggler ToolBarToggler;
    CDataScrollBar ScrollBar;
    CDataMaximizeVuzuRuzIcon MaximizeVuzuRuzIcon;
    CDataDateTime DateTime;
    CDataBattery Battery;
    CDataPopups Popups;
    CDataAppList AppList;
    CDataPreview Preview;
    CDataSystemIcons SystemIcons;
    bool IsLoaded = false;

private:
    // The elements in file order: the order of loading, saving and the file's sections.
    std::array<CData*, 13> Elements();
    void FillElementsTree(IElementsTreeCtrl& tree);
    void NotifyObservers();

    CProfileStore m_profiles;
    std::vector<IProjectObserver*> m_observers;
};

}  // namespace vantoro
