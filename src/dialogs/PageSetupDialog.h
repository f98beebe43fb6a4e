// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;

// File > Page Setup: the paper of one printer, from the sizes it offers. Portrait only.
class PageSetupDialog final : public QDialog {
    Q_OBJECT

public:
    PageSetupDialog(QWidget* owner, const QString& printer, const QStringList& papers, const QString& current);
    QString Paper() const;

    QComboBox* CboPaper = nullptr;
};
