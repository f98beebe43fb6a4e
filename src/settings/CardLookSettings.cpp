#include "settings/CardLookSettings.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

namespace CardLookSettings {

bool SameTextSize()
{
    return ProfileFile(SettingsFilePath()).ReadBool(QStringLiteral("Look"), QStringLiteral("SameTextSize"), false);
}

void SetSameTextSize(bool on)
{
    ProfileFile(SettingsFilePath()).WriteBool(QStringLiteral("Look"), QStringLiteral("SameTextSize"), on);
}

} // namespace CardLookSettings
