// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "boardview.h"
#include "phrasefilereader.h"
#include "twips.h"

#include "icons/acutrix-16.xpm"
#include "icons/acutrix-32.xpm"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>

Form1::Form1(std::unique_ptr<RandomSource> random, std::function<float()> timeOfDay,
             QWidget *parent)
    : QMainWindow(parent)
    , m_game(
          m_fonts, *this, [] { return readPhraseFile(QDir::currentPath()); }, std::move(timeOfDay),
          std::move(random))
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
    m_board = new BoardView(m_game, m_fonts, this);
    setCentralWidget(m_board);
    resize(792, 401 + menuBar()->sizeHint().height());

    // Load: before the window is first seen.
    m_game.Load();
    m_board->showChanges();
}

Form1::~Form1() = default;

void Form1::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    Start = bar->addAction(QStringLiteral("Start"));
    Help = bar->addAction(QStringLiteral("Help"));
    Credits = bar->addAction(QStringLiteral("Credits"));
    connect(Start, &QAction::triggered, this, [this] { run(&Game::Start); });
    connect(Help, &QAction::triggered, this, [this] { run(&Game::Help); });
    connect(Credits, &QAction::triggered, this, [this] { run(&Game::Credits); });
}

void Form1::run(void (Game::*operation)())
{
    (m_game.*operation)();
    showChanges();
}

void Form1::showChanges()
{
    m_board->showChanges();
    Start->setEnabled(m_game.startEnabled());
}

WindowFrame Form1::frame() const
{
    const QRect outer = frameGeometry();
    return {outer.width() * TwipsPerPixel, outer.height() * TwipsPerPixel,
            outer.top() * TwipsPerPixel, m_board->width() * TwipsPerPixel,
            m_board->height() * TwipsPerPixel};
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
        run(&Game::LoadPhrases);
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
        run(&Game::Submit);
    else
        QMainWindow::keyPressEvent(event);
}
