#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Prompts;

// File > Export Cards: where to, in which format (PNG at 300 dpi, or PDF), and how many.
class ExportDialog final : public QDialog {
    Q_OBJECT

public:
    ExportDialog(QWidget* owner, Prompts& asks, const QString& folder, int cards);

    QString Folder() const;
    bool Pdf() const;
    int Cards() const;

    QLineEdit* TxtFolder = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QComboBox* CboFormat = nullptr;
    QSpinBox* EdtCards = nullptr;

private:
    Prompts& Asks;
};
