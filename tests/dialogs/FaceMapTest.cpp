// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The faces that settings from the other system name, drawn in the nearest face here.
#include "dialogs/FontCatalog.h"
#include "dialogs/UnitFrmFont.h"
#include "platform/FaceMap.h"
#include "support/MainWindowFixture.h"

#include <QFontDatabase>

TEST(FaceMap, WindowsFacesMapToTheNearestInstalledFace)
{
    const QStringList families = PlainFamilies();
    struct Case {
        const char* stored;
        const char* drawn;
    };
    const Case cases[] = {
        {"Helvetica", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
        {"Comic Sans MS", "Comic Neue"},  {"Verdana", "DejaVu Sans"},            {"Tahoma", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},      {"liberation serif", "Liberation Serif"},
    };
    for (const Case& c : cases) {
        if (families.contains(c.stored, Qt::CaseSensitive) || !families.contains(c.drawn))
            continue; // the real face is here, or the substitute is not
        EXPECT_EQ(InstalledFace(c.stored), c.drawn) << c.stored;
    }
    // Any other missing face is drawn as Arial is, never in what the configuration picks.
    EXPECT_EQ(InstalledFace("No Such Face 123"), InstalledFace("Arial"));
    if (!families.contains("Arial") && families.contains("Liberation Sans")) {
        EXPECT_EQ(InstalledFace("Arial"), "Liberation Sans");
    }
}

TEST(FaceMap, OneEntryPerFamilyNamedAsTheFamily)
{
    EXPECT_EQ(FamilyWithoutFoundry("C059 [UKWN]"), "C059");
    EXPECT_EQ(FamilyWithoutFoundry("Nimbus Sans"), "Nimbus Sans");
    EXPECT_EQ(FamilyWithoutFoundry("[weird]"), "[weird]");
    QStringList names;
    for (const FontFamily& family : InstalledFamilies()) {
        EXPECT_FALSE(family.Name.contains(" [")) << family.Name.toStdString();
        names << family.Name;
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family)) {
            EXPECT_TRUE(names.contains(FamilyWithoutFoundry(family))) << family.toStdString();
        }
}

class FaceDialogTest : public MainWindowTest {};

// A stored family that the font database tags with foundries is found by its plain name,
// so OK keeps the card's face.
TEST_F(FaceDialogTest, AStoredTaggedFamilyIsFound)
{
    QString tagged;
    for (const QString& family : QFontDatabase::families())
        if (FamilyWithoutFoundry(family) != family)
            tagged = FamilyWithoutFoundry(family);
    if (tagged.isEmpty())
        GTEST_SKIP() << "no family here comes from two foundries";
    WriteSettings("[Options]\r\nFountName=" + tagged.toUtf8() + "\r\nFontSize=20\r\n");
    TFrmFonts dialog(nullptr, Asks);
    EXPECT_EQ(dialog.CboFontName->currentText(), tagged);
}
