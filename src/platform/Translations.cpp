// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMutex>
#include <map>
#include <memory>

namespace {
const QString Catalogues = QStringLiteral(":/i18n");
QString Speaking; // set by the main thread before any other starts
}

bool Translations::Install(const QLocale& locale)
{
    QCoreApplication::removeTranslator(&Own);
    QCoreApplication::removeTranslator(&Qt);
    Speaking.clear();
    if (!Own.load(locale, QStringLiteral("plumwick"), QStringLiteral("_"), Catalogues))
        return false;
    QCoreApplication::installTranslator(&Own);
    Speaking = QLocale(Own.language()).name().section(u'_', 0, 0);
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

QString Translations::Current()
{
    return Speaking;
}

QString Translations::Translate(const QString& language, const char* context, const char* source)
{
    if (language.isEmpty())
        return QString::fromUtf8(source);
    static QMutex guard;
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const QMutexLocker lock(&guard);
    std::unique_ptr<QTranslator>& catalogue = loaded[language];
    if (!catalogue) {
        catalogue = std::make_unique<QTranslator>();
        (void)catalogue->load(QLocale(language), QStringLiteral("plumwick"), QStringLiteral("_"), Catalogues);
    }
    const QString text = catalogue->translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}
