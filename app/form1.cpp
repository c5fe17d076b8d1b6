// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accents.h"
#include "answercheck.h"
#include "backgroundpalette.h"
#include "captionlabel.h"
#include "messages.h"
#include "phrasefile.h"
#include "playqueue.h"
#include "randomsource.h"
#include "scorereport.h"
#include "textpanel.h"

#include "icons/acutrix-16.xpm"
#include "icons/acutrix-32.xpm"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>

#include <algorithm>
#include <exception>
#include <vector>

namespace {

constexpr double TwipsPerPixel = 15;

// Text colours, 0xBBGGRR.
constexpr BgrColour PlainText = 0xFFFFFF;
constexpr BgrColour SelectedText = 0xC0C000;
constexpr BgrColour WrongAnswerText = 0x80FFFF;

int pixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

QColor colourOf(BgrColour colour)
{
    const Rgb rgb = rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Holds back the repaints of the text panel and its labels while many of them change at
// once. Every tile hidden, moved, resized or recoloured would otherwise add its own
// rectangle to the window's dirty region, which grows slower to merge with each one; the
// area that changed is repainted in one piece when the hold ends instead. A hold inside
// another leaves the repaint to the outer one.
class RepaintHold
{
public:
    explicit RepaintHold(TextPanel *panel)
        : m_panel(panel)
    {
        m_panel->holdRepaints();
    }
    ~RepaintHold() { m_panel->releaseRepaints(); }
    RepaintHold(const RepaintHold &) = delete;
    RepaintHold &operator=(const RepaintHold &) = delete;

private:
    TextPanel *m_panel;
};

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, std::function<float()> timeOfDay,
             QWidget *parent)
    : QMainWindow(parent)
    , m_random(std::move(random))
    , m_timeOfDay(std::move(timeOfDay))
{
    setWindowTitle(QStringLiteral("Acutrix"));
    // The icons are built in as XPM arrays, which Qt reads directly; loaded as files,
    // they would first have Qt look through all its image format plugins.
    QIcon icon;
    icon.addPixmap(QPixmap(acutrix_32_xpm));
    icon.addPixmap(QPixmap(acutrix_16_xpm));
    setWindowIcon(icon);
    setFocusPolicy(Qt::StrongFocus);

    createMenu();
    createControls();
    resize(792, 401 + menuBar()->sizeHint().height());

    // Load: before the window is first seen.
    m_random->seed(m_timeOfDay());
    PaintBackground();
}

Form1::~Form1() = default;

void Form1::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    Start = bar->addAction(QStringLiteral("Start"));
    Help = bar->addAction(QStringLiteral("Help"));
    Credits = bar->addAction(QStringLiteral("Credits"));
    connect(Start, &QAction::triggered, this, &Form1::startGame);
    connect(Help, &QAction::triggered, this, &Form1::showHelp);
    connect(Credits, &QAction::triggered, this, &Form1::showCredits);
}

void Form1::createControls()
{
    m_panel = new TextPanel(this);
    setCentralWidget(m_panel);
    connect(m_panel, &TextPanel::doubleClicked, this, &Form1::submitAnswer);

    QFont reportFont(QStringLiteral("Verdana"));
    reportFont.setPointSizeF(21.75);
    reportFont.setWeight(QFont::Bold);
    ReportLabel = new CaptionLabel(reportFont, pixels(150), m_panel);
    ReportLabel->move(pixels(6360), pixels(4560));
    ReportLabel->setBackgroundColour(colourOf(0x004000));
    ReportLabel->setTextColour(colourOf(0x00FF00));

    QFont tileFont(QStringLiteral("Arial Rounded MT Bold"));
    tileFont.setPointSize(NormalTilePoints);
    tileFont.setWeight(QFont::Normal);
    for (int i = 0; i < TileCount; ++i) {
        CaptionLabel *tile =
            new CaptionLabel(tileFont, pixels(180), m_panel, CaptionLabel::Start::Hidden);
        tile->setBackgroundColour(colourOf(0x400000));
        tile->setTextColour(colourOf(PlainText));
        connect(tile, &CaptionLabel::clicked, this, [this, i] { letterClicked(i); });
        connect(tile, &CaptionLabel::hovered, this, [this, i] { letterHovered(i); });
        Letter[std::size_t(i)] = tile;
    }
}

QColor Form1::backgroundColour() const
{
    return m_panel->backgroundColour();
}

bool Form1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // The phrases are loaded once, when the window first becomes active. A window that
    // is shown but never activated (no window manager) loads them on its first show.
    const bool firstAppearance =
        event->type() == QEvent::Show || event->type() == QEvent::WindowActivate;
    if (firstAppearance && !m_phrasesLoaded) {
        m_phrasesLoaded = true;
        LoadPhrases();
    }
    return handled;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Return and keypad Enter give the character code 13; no other key does anything.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (enter && !chord)
        submitAnswer();
    else
        QMainWindow::keyPressEvent(event);
}

void Form1::printLines(const QStringList &lines)
{
    for (const QString &line : lines)
        m_panel->printLine(line);
}

float Form1::outerWidthTwips() const
{
    return float(frameGeometry().width() * TwipsPerPixel);
}

void Form1::LoadPhrases()
{
    try {
        if (const std::optional<QByteArray> bytes = readPhraseFile(QDir::currentPath())) {
            SourceList = parsePhrases(*bytes);
            printLines(Messages::loadReport(SourceList.size()));
            return;
        }
    } catch (const std::exception &) {
        // Out of memory on a huge file: reported like any other unreadable file.
    }
    ClearBoard();
    m_panel->clear();
    printLines(Messages::loadWarning());
    Start->setEnabled(false);
}

void Form1::PaintBackground()
{
    const RepaintHold hold(m_panel);
    m_panel->setBackgroundColour(colourOf(backgroundFor(m_random->next())));
    for (CaptionLabel *tile : Letter)
        tile->setBackgroundColour(m_panel->backgroundColour());
    ReportLabel->setBackgroundColour(m_panel->backgroundColour());
}

void Form1::startGame()
{
    const RepaintHold hold(m_panel);
    // The colour is drawn before the shuffle's draws.
    PaintBackground();
    PlayList.clear();
    ReportLabel->setCaption(QString());
    PlayList = shuffledQueue(SourceList, [this] { return m_random->next(); });
    misses = 0;
    hits = 0;
    NextPhrase();
}

void Form1::NextPhrase()
{
    ShowPhrase(PlayList.value(0));
}

void Form1::ShowPhrase(const QString &phrase)
{
    const RepaintHold hold(m_panel);
    m_panel->clear();
    const QStringList captions = boardCaptions(phrase);
    // The board ends as ClearBoard would leave it before the layout, except that the tiles
    // the phrase uses stay visible and go straight from their old caption to the new one:
    // hiding and showing them again, or emptying them in between, changes nothing that
    // can be seen, and a tile that shows the same character as before is left alone.
    clearTiles(int(captions.size()));
    std::vector<TileBox> boxes;
    boxes.reserve(std::size_t(captions.size()));
    for (qsizetype i = 0; i < captions.size(); ++i) {
        CaptionLabel *tile = Letter[std::size_t(i)];
        tile->setCaption(captions[i]);
        boxes.push_back(
            {float(tile->width() * TwipsPerPixel), float(tile->height() * TwipsPerPixel)});
    }
    const std::vector<TilePlace> places = flowTiles(boxes, outerWidthTwips());
    for (std::size_t i = 0; i < places.size(); ++i) {
        Letter[i]->move(pixels(places[i].left), pixels(places[i].top));
        Letter[i]->show();
    }
}

void Form1::ClearBoard()
{
    const RepaintHold hold(m_panel);
    clearTiles(0);
}

void Form1::clearTiles(int keptShown)
{
    for (int i = 0; i < TileCount; ++i) {
        CaptionLabel *tile = Letter[std::size_t(i)];
        if (i >= keptShown) {
            tile->setCaption(QString());
            tile->hide();
        }
        tile->setPointSize(NormalTilePoints);
        tile->setTextColour(colourOf(PlainText));
    }
}

void Form1::showHelp()
{
    showMessage(Messages::help());
}

void Form1::showCredits()
{
    showMessage(Messages::credits());
}

void Form1::showMessage(const QStringList &lines)
{
    // The board and the score report make way; the game's state stays as it is.
    const RepaintHold hold(m_panel);
    ClearBoard();
    m_panel->clear();
    ReportLabel->setCaption(QString());
    printLines(lines);
}

void Form1::letterClicked(int index)
{
    Letter[std::size_t(selectedTile)]->setTextColour(colourOf(PlainText));
    CaptionLabel *tile = Letter[std::size_t(index)];
    tile->setTextColour(colourOf(SelectedText));
    selectedTile = qint16(index);
    tile->setCaption(Tilde(tile->caption()));
}

void Form1::letterHovered(int index)
{
    Letter[std::size_t(hoveredTile)]->setPointSize(NormalTilePoints);
    CaptionLabel *tile = Letter[std::size_t(index)];
    tile->setPointSize(HoverTilePoints);
    tile->raise();
    hoveredTile = qint16(index);
}

void Form1::submitAnswer()
{
    const RepaintHold hold(m_panel);
    CheckAnswer();
    ShowReport();
}

void Form1::CheckAnswer()
{
    if (PlayList.isEmpty()) {
        m_panel->clear();
        printLines(Messages::startPrompt());
        return;
    }
    // The answer runs from tile 0 up to the first hidden tile above it; a phrase that
    // fills every tile ends at the last tile.
    int end = 1;
    while (end < TileCount && !Letter[std::size_t(end)]->isHidden())
        ++end;
    const int last = std::min(end, TileCount - 1);
    QString answer;
    for (int i = 0; i <= last; ++i)
        answer += Letter[std::size_t(i)]->caption();

    if (isCorrectAnswer(answer, PlayList.first(), end == TileCount, MaxPhraseTiles)) {
        hits = hits.value_or(0) + 1;
        PlayList.removeFirst();
        NextPhrase();
    } else {
        misses = addMiss(misses);
        for (int i = 0; i <= last; ++i)
            Letter[std::size_t(i)]->setTextColour(colourOf(WrongAnswerText));
    }
}

void Form1::ShowReport()
{
    const quint64 hitCount = hits.value_or(0);
    const quint64 attempts = hitCount + quint64(misses);
    if (attempts == 0)
        return;
    const double score = scorePercent(hitCount, attempts);
    ReportLabel->setCaption(reportCaption(hitCount, quint64(misses)));
    ReportLabel->setTextColour(colourOf(reportColour(score)));

    // Low in the window, lower as the window stands lower on the screen, and centred
    // on the window's width; but never outside the window's inner area, where the
    // player could not read it. A report wider than the window starts at its left edge.
    const QRect frame = frameGeometry();
    const double topTwips = (frame.height() + frame.top()) * TwipsPerPixel * 85 / 100;
    const double leftTwips =
        frame.width() * TwipsPerPixel / 2 - ReportLabel->width() * TwipsPerPixel / 2;
    const int lowest = std::max(0, m_panel->height() - ReportLabel->height());
    const int rightmost = std::max(0, m_panel->width() - ReportLabel->width());
    ReportLabel->move(std::clamp(pixels(leftTwips), 0, rightmost),
                      std::clamp(pixels(topTwips), 0, lowest));
}
