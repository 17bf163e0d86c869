#include "SkinProject.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "ProfileStore.h"
#include "ProjectFileAccess.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"

namespace vantoro {

CSkinProject::CSkinProject() : Folder(NoProjectFolder()) {}

std::array<CData*, 13> CSkinProject::Elements() {
    return {&SkinInfo,
            &WallPaper,
            &ToolBar,
            &TitleBar,
            &ToolBarToggler,
            &ScrollBar,
            &MaximizeVuzuRuzIcon,
            &DateTime,
            &Battery,
            &Popups,
            &AppList,
            &Preview,
            &SystemIcons};
}

std::string CSkinProject::NoProjectFolder() {
#ifdef Q_OS_WIN
    return "C:\\";
#else
    return "/";
#endif
}

std::string CSkinProject::ProjectFileProblem(const std::string& pathGiven) {
    const std::string path = CProjectPath::Absolute(pathGiven);
    // Every project has this section, and a save always writes it first; a file without it
    // is some other file, and reading it would give every value its default.
    const std::string section = CSkinFields::Element(CSkinElement::SkinInfo).Section;
    if (CProfileStore().HasSection(path, section)) return {};
    std::string bytes, error;
    if (!CProfileStore::ReadFileBytes(path, bytes, &error)) return error;
    return path + " is not a skin project: it has no [" + section + "] section";
}

CResult<void> CSkinProject::LoadProject(const std::string& pathGiven) {
    const std::string path = CProjectPath::Absolute(pathGiven);
    if (IsLoaded && CProjectPath::IsSameFile(path, PathName)) {
        // Reading it again would throw away the edits in memory; the project stays open.
        // After a failed load the records are mixed, and the same path must load again.
        return Fail(path + ": this project is already open");
    }
    IsLoaded = false;

    // Whatever was cached of this path, the user asked for what is on disk now: read once,
    // and every value of the load taken from that one reading.
    if (std::string error; !m_profiles.Hold(path, &error)) return Fail(std::move(error));
    struct CRelease {
        CProfileStore& store;
        const std::string& file;
        ~CRelease() { store.Release(file); }
    } release{m_profiles, path};
    const std::string& infoSection = CSkinFields::Element(CSkinElement::SkinInfo).Section;
    if (!m_profiles.HasSection(path, infoSection)) {
        std::string problem = ProjectFileProblem(path);
        // Found after all: another program wrote the file while it was read.
        if (problem.empty()) problem = path + ": the file changed while it was read";
        return Fail(std::move(problem));
    }

    for (CData* element : Elements()) {
        if (element == &Preview) Preview.SkinReso = &SkinInfo.Reso;
        const bool loaded = element->LoadFromFile(m_profiles, path);
        if (element == &Preview) Preview.SkinReso = &SkinInfo.Reso;
        if (!loaded) return Fail(path + ": " + element->Failure());
    }

    PathName = path;
    Folder = CProjectPath::FolderOf(path);
    IsLoaded = true;
    NotifyObservers();
    return {};
}

CResult<std::unique_ptr<CSkinProject>> CSkinProject::Read(const std::string& path) {
    auto project = std::make_unique<CSkinProject>();
    if (const CResult<void> loaded = project->LoadProject(path); !loaded)
        return Fail(loaded.Error());
    return project;
}

void CSkinProject::TakeFrom(CSkinProject& loaded) {
    PathName = loaded.PathName;
    Folder = loaded.Folder;
    const std::array<CData*, 13> mine = Elements(), theirs = loaded.Elements();
    for (size_t i = 0; i < mine.size(); ++i) mine[i]->TakeValuesFrom(*theirs[i]);
    Preview.SkinReso = &SkinInfo.Reso;
    IsLoaded = loaded.IsLoaded;
    NotifyObservers();
}

CResult<void> CSkinProject::SaveProject() {
    CProfileStore& store = m_profiles;
    store.Flush(PathName);
    if (PathName.empty()) return Fail("No project is open.");
    if (!ProjectFileExists(PathName))
        return Fail(PathName + ": file not found; a save never creates a project file");
    std::string error;
    if (!store.BeginBatch(PathName, &error)) return Fail(std::move(error));

    for (CData* element : Elements()) {
        if (!element->SaveToFile(store, PathName)) {
            store.AbortBatch(PathName);
            return Fail(PathName + ": " + element->Failure());
        }
    }
    if (!store.CommitBatch(PathName, &error)) return Fail(std::move(error));
    return {};
}

void CSkinProject::CloseProject() {
    PathName.clear();
    Folder = NoProjectFolder();
    IsLoaded = false;
    NotifyObservers();
}

void CSkinProject::AddObserver(IProjectObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end())
        m_observers.push_back(&observer);
}

void CSkinProject::RemoveObserver(IProjectObserver& observer) {
    std::erase(m_observers, &observer);
}

void CSkinProject::NotifyObservers() {
    // A copy: an observer may remove itself while it is told.
    const std::vector<IProjectObserver*> observers = m_observers;
    for (IProjectObserver* observer : observers) observer->OnProjectChanged(*this);
}

void CSkinProject::ShowIn(IElementsTreeCtrl& tree) {
    if (IsLoaded)
        FillElementsTree(tree);
    else
        tree.DeleteAllItems();
}

void CSkinProject::SetSheetJudge(const IPropertySheetJudge* judge) {
    for (CData* element : Elements()) element->PropertySheet().SetJudge(judge);
}

std::string CSkinProject::ElementName(const CPropertyItemManager* sheet) {
    for (CData* element : Elements())
        if (&element->PropertySheet() == sheet)
            return CSkinFields::Element(element->Element()).Name;
    return {};
}

CData& CSkinProject::Element(CSkinElement element) {
    return *Elements()[static_cast<size_t>(element)];
}

const CData& CSkinProject::Element(CSkinElement element) const {
    return const_cast<CSkinProject&>(*this).Element(element);
}

void CSkinProject::FillElementsTree(IElementsTreeCtrl& tree) {
    enum { kFolder = 0, kFolderOpen = 1, kElement = 3, kProperties = 4, kIcons = 5 };
    tree.DeleteAllItems();

    auto category = [&](const char* label) {
        return tree.InsertItem(label, kFolder, kFolderOpen, nullptr, nullptr);
    };
    // Elements stand in the tree under the names they are known by everywhere else.
    auto element = [&](CData& record, IElementsTreeCtrl::Item parent, int image = kElement,
                       const char* label = nullptr) {
        CPropertyItemManager& sheet = record.PropertySheet();
        return tree.InsertItem(label ? std::string(label) : ElementName(&sheet), image, image,
                               &sheet, parent);
    };

    // The table gives each element's folder, parent and place; folders come in the order
    // their first element does.
    std::vector<const CSkinElementInfo*> order;
    for (const CSkinElementInfo& info : CSkinFields::Elements()) order.push_back(&info);
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->TreeOrder < b->TreeOrder; });
    std::vector<std::pair<std::string, IElementsTreeCtrl::Item>> folders;
    std::map<CSkinElement, IElementsTreeCtrl::Item> nodes;
    std::vector<IElementsTreeCtrl::Item> parents;
    for (const CSkinElementInfo* info : order) {
        IElementsTreeCtrl::Item parent = nullptr;
        if (info->Under != info->Element) {
            parent = nodes.at(info->Under);
            if (std::find(parents.begin(), parents.end(), parent) == parents.end())
                parents.push_back(parent);
        } else {
            auto folder = std::find_if(folders.begin(), folders.end(),
                                       [&](const auto& f) { return f.first == info->Folder; });
            if (folder == folders.end())
                folder = folders.insert(folders.end(), {info->Folder, category(info->Folder)});
            parent = folder->second;
        }
        const int image = info->Icon == CTreeIcon::Properties ? kProperties
                          : info->Icon == CTreeIcon::Icons    ? kIcons
                                                              : kElement;
        nodes[info->Element] = element(Element(info->Element), parent, image, info->TreeName);
    }
    for (IElementsTreeCtrl::Item parent : parents) tree.Expand(parent);
    for (const auto& folder : folders) tree.Expand(folder.second);
}

}  // namespace vantoro
