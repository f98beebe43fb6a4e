#include "app/ExportDialog.h"
#include "app/Panel.h"
#include "platform/Prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

ExportDialog::ExportDialog(QWidget* owner, Prompts& asks, const QString& folder, int cards)
    : QDialog(owner), Asks(asks)
{
    setWindowTitle(QStringLiteral("Export Cards"));
    UsePanelBackground(this);
    TxtFolder = new QLineEdit(folder, this);
    BtnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    CboFormat = new QComboBox(this);
    CboFormat->addItems({QStringLiteral("PNG pictures, 300 dpi"), QStringLiteral("PDF files")});
    EdtCards = new QSpinBox(this);
    EdtCards->setRange(1, 99999);
    EdtCards->setValue(cards);
    auto* row = new QHBoxLayout;
    row->addWidget(TxtFolder, 1);
    row->addWidget(BtnBrowse);
    auto* form = new QFormLayout;
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(TxtFolder); // a row of two controls: the label needs its buddy named
    form->addRow(folderLabel, row);
    form->addRow(QStringLiteral("F&ormat:"), CboFormat);
    form->addRow(QStringLiteral("&Cards:"), EdtCards);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(BtnBrowse, &QPushButton::clicked, this, [this] {
        if (const auto chosen = Asks.FolderName(QStringLiteral("Export Cards To"), TxtFolder->text()))
            TxtFolder->setText(*chosen);
    });
    resize(460, sizeHint().height());
    setFixedSize(size()); // a small fixed form, like the program's other dialogs
}

QString ExportDialog::Folder() const
{
    return TxtFolder->text();
}

bool ExportDialog::Pdf() const
{
    return CboFormat->currentIndex() == 1;
}

int ExportDialog::Cards() const
{
    return EdtCards->value();
}
