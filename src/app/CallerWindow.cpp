#include "app/CallerWindow.h"
#include "app/Guarded.h"
#include "app/Panel.h"
#include "card/CardArrangement.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/Speech.h"
#include "platform/TextFile.h"
#include "settings/SettingsFlag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Every word of the game with the called ones marked, in list order; the numbers 1 to 75 in
// five rows by column group, as a flashboard.
class CallerBoard final : public QWidget {
public:
    explicit CallerBoard(CallerWindow* caller) : QWidget(caller), Caller(caller) { setMinimumHeight(120); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(40, 44, 52));
        const CallerDraw* draw = Caller->Draw();
        if (!draw || draw->Total() == 0)
            return;
        const int n = draw->Total();
        const bool flashboard = n == 75 && PlanArrangement(draw->Words()).ColumnRule;
        const int cols = flashboard ? 16 : std::max(1, static_cast<int>(std::ceil(std::sqrt(n * 2.0))));
        const int rows = flashboard ? 5 : (n + cols - 1) / cols;
        const double w = width() / double(cols);
        const double h = height() / double(rows);
        QFont font = p.font();
        font.setPixelSize(std::max(6, static_cast<int>(std::min(h * 0.45, w * 0.3))));
        p.setFont(font);
        auto cell = [&](int r, int c, const QString& text, bool called, bool letter) {
            const QRectF box(c * w + 1, r * h + 1, w - 2, h - 2);
            p.fillRect(box, letter ? QColor(90, 60, 120) : called ? QColor(255, 200, 60) : QColor(64, 70, 82));
            p.setPen(called || letter ? Qt::black : QColor(200, 200, 200));
            if (letter)
                p.setPen(Qt::white);
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
        };
        if (flashboard) {
            const QStringList& words = draw->Words();
            for (int g = 0; g < 5; ++g)
                cell(g, 0, g < Letters().size() ? Letters()[g] : QString(), false, true);
            for (int i = 0; i < n; ++i) {
                const int number = words[i].toInt();
                cell((number - 1) / 15, (number - 1) % 15 + 1, words[i], draw->IsCalled(i), false);
            }
            return;
        }
        for (int i = 0; i < n; ++i)
            cell(i / cols, i % cols, draw->Words()[i], draw->IsCalled(i), false);
    }

private:
    QStringList Letters() const { return Caller->property("letters").toStringList(); }
    CallerWindow* Caller;
};

} // namespace

CallerWindow::CallerWindow(QWidget* owner, Prompts& asks, Speech* voice, std::function<GameSource()> currentList,
                           std::function<std::uint64_t()> random)
    : QWidget(owner, Qt::Window), Asks(asks), Voice(voice), CurrentList(std::move(currentList)), Random(std::move(random))
{
    setWindowTitle(QStringLiteral("Call Words"));
    UsePanelBackground(this);
    resize(760, 560);

    CboGame = new QComboBox(this);
    LblCall = new QLabel(this);
    LblCall->setAlignment(Qt::AlignCenter);
    LblCall->setWordWrap(true);
    LblCall->setMinimumHeight(120);
    LblCall->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    Board = new CallerBoard(this);
    LblCount = new QLabel(this);
    LblLast = new QLabel(this);
    BtnNext = new QPushButton(QStringLiteral("&Next"), this);
    BtnUndo = new QPushButton(QStringLiteral("&Undo"), this);
    BtnNewGame = new QPushButton(QStringLiteral("New &Game"), this);
    BtnCheck = new QPushButton(QStringLiteral("&Check a Card..."), this);
    ChkReadAloud = new QCheckBox(QStringLiteral("&Read Aloud"), this);
    // Space and Enter call the next word wherever the focus is, so no control keeps them.
    setFocusPolicy(Qt::StrongFocus);
    for (QWidget* w : std::initializer_list<QWidget*>{CboGame, BtnNext, BtnUndo, BtnNewGame, BtnCheck, ChkReadAloud})
        w->setFocusPolicy(Qt::TabFocus);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Play:"), this));
    top->addWidget(CboGame, 1);
    auto* status = new QHBoxLayout;
    status->addWidget(LblCount);
    status->addStretch();
    status->addWidget(LblLast);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{BtnNext, BtnUndo, BtnNewGame, BtnCheck})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(ChkReadAloud);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(LblCall, 3);
    layout->addWidget(Board, 2);
    layout->addLayout(status);
    layout->addLayout(buttons);

    QString why;
    if (!Voice || !Voice->Available(&why)) {
        ChkReadAloud->setEnabled(false);
        ChkReadAloud->setToolTip(Voice ? why : QStringLiteral("No speech here."));
    } else {
        ChkReadAloud->setChecked(ReadAloudFlag.Read());
    }
    connect(ChkReadAloud, &QCheckBox::toggled, this, [this](bool on) {
        RunGuarded(Asks, [on] { ReadAloudFlag.Write(on); });
    });
    connect(BtnNext, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { Next(); }); });
    connect(BtnUndo, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { Undo(); }); });
    connect(BtnNewGame, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { NewGame(); }); });
    connect(BtnCheck, &QPushButton::clicked, this, [this] { Q_EMIT CheckRequested(Playing.Code); });
    FillGames();
    connect(CboGame, &QComboBox::activated, this, [this](int index) { RunGuarded(Asks, [this, index] { ChooseGame(index); }); });
}

CallerWindow::~CallerWindow() = default;

void CallerWindow::FillGames()
{
    CboGame->clear();
    CboGame->addItem(QStringLiteral("The current list"));
    for (const GameRecord& game : GameHistory::Read())
        CboGame->addItem(QStringLiteral("Game %1: %2, %3 cards").arg(game.Code, game.ListFile).arg(game.Cards), game.Code);
}

void CallerWindow::ChooseGame(int index)
{
    const QString code = CboGame->itemData(index).toString();
    if (code.isEmpty()) {
        Play(CurrentList());
        return;
    }
    if (const auto game = GameHistory::Find(code))
        Play(GameHistory::LoadGame(*game));
}

void CallerWindow::Play(const GameSource& source)
{
    Playing = source;
    Calls = std::make_unique<CallerDraw>(source.Words);
    Letters.clear();
    if (source.Options.Heading && PlanArrangement(source.Words).ColumnRule)
        Letters = HeadingLetters(source.Options.HeadingText);
    setProperty("letters", Letters);
    const int at = CboGame->findData(source.Code);
    CboGame->setCurrentIndex(source.Code.isEmpty() ? 0 : std::max(at, 0));
    // A game stopped part way offers to go on.
    const CallerDraw resumed = GameHistory::SavedCalls(source);
    if (resumed.CalledCount() > 0 && !resumed.Done() &&
        Asks.Question(QStringLiteral("This game was stopped after %1 calls. Go on where it stopped?")
                          .arg(resumed.CalledCount()),
                      true))
        *Calls = resumed;
    ShowState();
    setFocus();
}

void CallerWindow::Next()
{
    if (!Calls)
        return;
    const int index = Calls->Draw(Random());
    if (index < 0)
        return;
    Save();
    ShowState();
    if (ChkReadAloud->isChecked() && Voice)
        Voice->Say(CallText(index));
}

void CallerWindow::Undo()
{
    if (Calls && Calls->Undo()) {
        Save();
        ShowState();
    }
}

void CallerWindow::NewGame()
{
    if (!Calls || Calls->CalledCount() == 0)
        return;
    if (!Asks.Question(QStringLiteral("Start a new game? The %1 calls so far are cleared.").arg(Calls->CalledCount()), false))
        return;
    Calls->Restart();
    Save();
    ShowState();
}

void CallerWindow::Save()
{
    GameHistory::SaveCalls(Playing, *Calls);
}

QString CallerWindow::CallText(int index) const
{
    const QString word = Calls->Words()[index];
    if (Letters.isEmpty())
        return word;
    const int group = (word.toInt() - 1) / 15;
    return group < Letters.size() && !Letters[group].trimmed().isEmpty() ? Letters[group] + u' ' + word : word;
}

void CallerWindow::ShowState()
{
    const bool any = Calls && Calls->CalledCount() > 0;
    LblCall->setText(any ? CallText(Calls->Calls().back()) : QStringLiteral("Press Space to call"));
    LblCount->setText(Calls ? QStringLiteral("%1 of %2 called").arg(Calls->CalledCount()).arg(Calls->Total()) : QString());
    QStringList last;
    if (Calls)
        for (qsizetype i = Calls->Calls().size() - 1; i >= 0 && last.size() < 5; --i)
            last << CallText(Calls->Calls()[i]);
    LblLast->setText(last.isEmpty() ? QString() : QStringLiteral("Last calls: ") + last.join(QStringLiteral(", ")));
    BtnNext->setEnabled(Calls && !Calls->Done());
    BtnUndo->setEnabled(any);
    BtnCheck->setEnabled(!Playing.Code.isEmpty());
    FitCall();
    Board->update();
}

void CallerWindow::FitCall()
{
    // As large as the space allows, on one line or, for a phrase, two.
    QFont font = LblCall->font();
    font.setBold(true);
    const QRect space = LblCall->contentsRect().adjusted(8, 8, -8, -8);
    int low = 8, high = std::max(8, space.height());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        font.setPixelSize(mid);
        const QRect need = QFontMetrics(font).boundingRect(space, Qt::AlignCenter | Qt::TextWordWrap, LblCall->text());
        const int lines = need.height() / std::max(1, QFontMetrics(font).lineSpacing());
        if (need.width() <= space.width() && need.height() <= space.height() && lines <= 2)
            low = mid;
        else
            high = mid - 1;
    }
    font.setPixelSize(low);
    LblCall->setFont(font);
}

void CallerWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunGuarded(Asks, [this] { Next(); });
        return;
    case Qt::Key_Backspace:
        RunGuarded(Asks, [this] { Undo(); });
        return;
    case Qt::Key_F11:
        isFullScreen() ? showNormal() : showFullScreen();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CallerWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitCall();
}
