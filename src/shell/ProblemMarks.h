#pragma once

#include <QHash>
#include <vector>

#include "PropertyRow.h"
#include "SkinProblem.h"

namespace vantoro {

class CPropertyItemManager;
class CSkinProject;

// Where the rule book's findings show: on the grid row of the field each concerns, and on
// the element in the tree. Several findings on one place are told together; an error
// outweighs warnings.
class CProblemMarks {
public:
    CProblemMarks(CSkinProject& project, const std::vector<CSkinProblem>& problems);

    // The marks of `sheet`'s rows, by row number.
    QHash<int, CPropertyRowMark> Rows(const CPropertyItemManager* sheet) const;
    // One mark an element that has any finding.
    const QHash<const CPropertyItemManager*, CPropertyRowMark>& Elements() const {
        return m_elements;
    }

    // The sheet and row a finding is about; a null sheet when it names no element.
    struct CPlace {
        CPropertyItemManager* Sheet = nullptr;
        int ItemId = 0;
    };
    static CPlace PlaceOf(CSkinProject& project, const CSkinProblem& problem);

private:
    static void Add(CPropertyRowMark& mark, const CSkinProblem& problem, const QString& text);

    QHash<const CPropertyItemManager*, QHash<int, CPropertyRowMark>> m_rows;
    QHash<const CPropertyItemManager*, CPropertyRowMark> m_elements;
};

}  // namespace vantoro
