#include "settings/GameSettings.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

namespace {
const QString Section = QStringLiteral("Game");
}

namespace GameSettings {

bool NumberCards()
{
    return ProfileFile(SettingsFilePath()).ReadBool(Section, QStringLiteral("NumberCards"), false);
}

void SetNumberCards(bool on)
{
    ProfileFile(SettingsFilePath()).WriteBool(Section, QStringLiteral("NumberCards"), on);
}

bool ReadAloud()
{
    return ProfileFile(SettingsFilePath()).ReadBool(Section, QStringLiteral("ReadAloud"), false);
}

void SetReadAloud(bool on)
{
    ProfileFile(SettingsFilePath()).WriteBool(Section, QStringLiteral("ReadAloud"), on);
}

} // namespace GameSettings
