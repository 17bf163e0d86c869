#pragma once

namespace vantoro {

class CSkinProject;

// What shows a project and must show it anew when the project takes another file's values
// or is closed (the elements tree). An observer removes itself before it goes; the project
// outlives it.
class IProjectObserver {
public:
    virtual ~IProjectObserver() = default;
    virtual void OnProjectChanged(CSkinProject& project) = 0;
};

}  // namespace vantoro
