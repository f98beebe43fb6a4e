// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/PageSetupDialog.h"
#include "platform/ui/Panel.h"

#include "platform/ui/SpokenValue.h"
#include "platform/ui/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

PageSetupDialog::PageSetupDialog(QWidget* owner, const QString& printer, const QStringList& papers, const QString& current)
    : QDialog(owner)
{
    setWindowTitle(tr("Page Setup"));
    auto* label = new QLabel(tr("&Paper for %1 (portrait):").arg(printer), this);
    CboPaper = new QComboBox(this);
    CboPaper->addItems(papers);
    CboPaper->setCurrentIndex(std::max<int>(0, static_cast<int>(papers.indexOf(current))));
    SpeakValue(CboPaper);
    label->setBuddy(CboPaper);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addWidget(label);
    layout->addWidget(CboPaper);
    layout->addWidget(buttons);
    setFixedSize(sizeHint()); // a small fixed form, like the program's other dialogs
    UseWindowColours(this);
}

QString PageSetupDialog::Paper() const
{
    return CboPaper->currentText();
}
