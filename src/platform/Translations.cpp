// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {
const QString Catalogues = QStringLiteral(":/i18n");
}

bool Translations::Install(const QLocale& locale)
{
    QCoreApplication::removeTranslator(&Own);
    QCoreApplication::removeTranslator(&Qt);
    if (!Own.load(locale, QStringLiteral("plumwick"), QStringLiteral("_"), Catalogues))
        return false;
    QCoreApplication::installTranslator(&Own);
    // Qt's own texts (the buttons of the standard dialogs, the file dialog) in the same
    // language, where Debian's qt6-translations-l10n is installed.
    if (Qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&Qt);
    return true;
}

QStringList Translations::Shipped()
{
    QStringList languages;
    for (const QString& name : QDir(Catalogues).entryList({QStringLiteral("plumwick_*.qm")}, QDir::Files, QDir::Name))
        languages << name.mid(9, name.size() - 9 - 3);
    return languages;
}
