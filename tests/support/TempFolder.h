// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "support/QtPrinting.h"
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for a test's files, removed afterwards, with small helpers.
class TempFolder {
public:
    QString Path(const QString& name = {}) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir Dir;
};

// Points the per-user data folder at a temporary folder for the life of the object:
// settings and sample lists then live in <temp>/Plumwick.
class TempDataHome {
public:
    TempDataHome();
    ~TempDataHome();
    QString DataFolder() const; // <temp>/Plumwick, created
    TempFolder Folder;

private:
    QByteArray OldValue;
    bool HadValue;
};
