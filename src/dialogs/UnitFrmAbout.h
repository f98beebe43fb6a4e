// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class Prompts;
class Shell;

// The about box: name and version, the notice of ownership, and two links (the web site
// and the support address) that open through the desktop. Holds no state.
class TFrmAbout final : public QDialog {
    Q_OBJECT

public:
    TFrmAbout(QWidget* owner, Shell& desktop, Prompts& asks);

    // Set when the program is built (PLUMWICK_HOMEPAGE, PLUMWICK_SUPPORT_EMAIL).
    static inline const QString Homepage = QStringLiteral(PLUMWICK_HOMEPAGE);
    static inline const QString SupportEmail = QStringLiteral(PLUMWICK_SUPPORT_EMAIL);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* LblWebsite = nullptr;
    QLabel* LblEmail = nullptr;
    QPushButton* BtnOk = nullptr;

    void LblWebsiteClick();
    void LblEmailClick();
    void BtnOkClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Shell& Desktop;
    Prompts& Asks;
};
