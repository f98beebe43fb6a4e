#include "support/RecordingSurface.h"

std::vector<RecordingSurface::Text> RecordingSurface::Visible() const
{
    std::vector<Text> visible;
    for (const Text& t : Texts)
        if (!t.Str.trimmed().isEmpty())
            visible.push_back(t);
    return visible;
}
