#pragma once
#include "platform/Surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <memory>

class QPainter;

// The Surface over a QPainter: the paint box on screen (96 dpi whatever the display says,
// so the card looks the same everywhere), an image in tests, or a printer's page.
// The font state lives here, not in the painter, so it can be set before a print job
// begins and survives from page to page. Fonts and their metrics are kept per size.
class QtSurface final : public Surface {
public:
    QtSurface(int dotsPerInch, QColor background);
    ~QtSurface() override;

    // The painter to draw with; null while no page is open (measuring still works).
    void Attach(QPainter* painter);

    void FillBackground() override;
    void SetFont(const QString& face, int points, bool bold) override;
    int FontSize() const override { return Points; }
    void SetFontSize(int points) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    int PenWidth() const override { return 1; }

private:
    struct SizedFont {
        QFont Font;
        QFontMetrics Metrics;
    };
    const SizedFont& Current();

    int Dpi;
    QColor Background;
    QPainter* Painter = nullptr;
    QString Face;
    bool Bold = false;
    int Points = 8;
    QHash<int, std::shared_ptr<SizedFont>> Fonts; // by pixel size
    const SizedFont* Active = nullptr;
    const SizedFont* InPainter = nullptr;
};
