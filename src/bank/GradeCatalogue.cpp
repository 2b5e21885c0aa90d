#include "bank/GradeCatalogue.h"

namespace GradeCatalogue {

std::optional<Grade> lookup(int index)
{
    static const char *const codes[Count] = {"g4_1", "g4_2", "g4_3", "g3_1", "g3_2", "g3_3", "g3_4"};
    static const char *const tooltips[Count] = {"Grade 4-1", "Grade 4-2", "Grade 4-3", "Grade 3-1",
                                                "Grade 3-2", "Grade 3-3", "Grade 3-4"};
    static const char *const names[Count] = {"４級 レベル１", "４級 レベル２", "４級 レベル３", "３級 レベル１",
                                             "３級 レベル２", "３級 レベル３", "３級 レベル４"};
    if (index < 1 || index > Count)
        return std::nullopt;
    const QString code = QString::fromLatin1(codes[index - 1]);
    return Grade{index, code, QStringLiteral("\\answer\\") + code + QStringLiteral(".ans"),
                 QString::fromLatin1(tooltips[index - 1]), QString::fromUtf8(names[index - 1])};
}

} // namespace GradeCatalogue
