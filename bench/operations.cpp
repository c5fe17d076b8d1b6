// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times every operation a player can trigger, on the real window shown offscreen, twice:
// alone, and with its paint. Alone, the window paints and settles before and after each
// repetition, outside the timed region, so the figure is the operation itself. With its
// paint, the timed region goes on after the operation until every event it posted has
// been delivered: the update requests among them make the widgets paint into the
// window's backing store and flush it, which is the frame the player waits for.
//
// The time taken is the CPU time of the window's thread, on which each operation runs
// from start to end without waiting: on a quiet machine it is the time the player
// waits, and unlike the wall clock it does not grow while other processes have the
// cores. The window is 1920 x 1080; under QT_SCALE_FACTOR=2 it stays 1920 x 1080 and
// is painted at 3840 x 2160 pixels, as on a 4K screen at 200 %.
//
// Budgets that depend on the processor are ratios to a floor that does the same kind of
// work in the same run, timed in turn with the figure: loading against the same file cut
// into lines, each line decoded into a string of its own; Start against a copy of the
// phrases shuffled by Fisher-Yates with the same generator.
//
//   acutrix_bench_operations [--only ID[,ID...]] [--repetitions N] [--samples yes]
//
// --only runs the named figures alone and --repetitions overrides their counts, which
// keeps a run under a profiler short; --samples also prints every time measured. The
// paint is QWidgetRepaintManager::sync, e.g.
//   valgrind --tool=callgrind --toggle-collect='Game::ShowPhrase*'
//            --toggle-collect='QWidgetRepaintManager::sync*'
//            acutrix_bench_operations --only showphrase383 --repetitions 20

#include "boardview.h"
#include "form1.h"
#include "phrasefile.h"
#include "phrasefiles.h"
#include "randomsource.h"
#include "samples.h"
#include "startup.h"

#include <utf8/checked.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace {

// Microseconds of CPU time used by the calling thread.
double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// A phrase file in a folder of its own, which becomes the working folder while a window
// loads from it.
class PhraseFolder
{
public:
    explicit PhraseFolder(const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(QStringLiteral("Tilde.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            std::exit(2);
        }
    }
    void enter() const { QDir::setCurrent(m_folder.path()); }
    QString filePath() const { return m_folder.filePath(QStringLiteral("Tilde.txt")); }

private:
    QTemporaryDir m_folder;
};

std::unique_ptr<Form1> newWindow(const PhraseFolder &folder)
{
    folder.enter();
    auto form = std::make_unique<Form1>(std::make_unique<MersenneRandom>(), [] { return 3600.5f; });
    // A maximised window on a common full-HD screen.
    form->setGeometry(0, 0, 1920, 1080);
    return form;
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "benchmark set-up failed: %s\n", what);
        std::exit(2);
    }
}

std::unique_ptr<Form1> shownWindow(const PhraseFolder &folder)
{
    std::unique_ptr<Form1> form = newWindow(folder);
    form->show();
    require(QTest::qWaitForWindowExposed(form.get()), "the window was never exposed");
    return form;
}

// Paints whatever is pending and runs every posted event.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Counts the paint events of every widget while it exists.
class PaintCount : public QObject
{
public:
    PaintCount() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCount() override { QCoreApplication::instance()->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

enum class Timing { Alone, WithPaint };

// Delivers every posted event, those posted while delivering included. The widgets'
// update requests are among them: each paints the dirty part of the window into its
// backing store and flushes it.
void paintPosted()
{
    QCoreApplication::sendPostedEvents();
}

// Checks once, untimed, that an operation with its paint leaves nothing to paint: the
// frame it causes is painted and flushed inside the timed region, and nothing comes
// later from a timer or the event loop.
void checkPaintIsTimed(const std::function<void()> &prepare, const std::function<void()> &operation)
{
    prepare();
    settle();
    {
        const PaintCount during;
        operation();
        paintPosted();
        require(during.paints > 0, "the operation painted nothing");
    }
    const PaintCount after;
    QTest::qWait(30);
    require(after.paints == 0, "the operation left a paint after the timed region");
}

// Runs prepare (untimed, then the window settles) and operation (timed) a few times to
// warm up and then `repetitions` times; the times are in microseconds.
std::vector<double> measure(int repetitions, Timing timing, const std::function<void()> &prepare,
                            const std::function<void()> &operation)
{
    if (timing == Timing::WithPaint)
        checkPaintIsTimed(prepare, operation);
    constexpr int warmUp = 2;
    std::vector<double> times;
    times.reserve(std::size_t(repetitions));
    for (int i = 0; i < warmUp + repetitions; ++i) {
        prepare();
        settle();
        const double start = threadMicroseconds();
        operation();
        if (timing == Timing::WithPaint)
            paintPosted();
        const double end = threadMicroseconds();
        if (i >= warmUp)
            times.push_back(end - start);
        settle();
    }
    return times;
}

// A mouse event on a tile, as the window system delivers it to the board.
void sendMouse(Form1 *form, int tile, QEvent::Type type, Qt::MouseButton button)
{
    BoardView *board = form->findChild<BoardView *>();
    const QPointF local = board->labelRect(tile).topLeft() + QPointF(2, 2);
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, local, board->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(board, &event);
}

void pressEnter(Form1 *form)
{
    QTest::keyClick(form, Qt::Key_Return);
}

// A menu item chosen, as the menu bar raises it.
void choose(Form1 *form, int item)
{
    form->menuBar()->actions().at(item)->trigger();
}

// One of the game's own operations, and the board then shown.
void run(Form1 *form, const std::function<void(Game &)> &operation)
{
    operation(form->game());
    form->showChanges();
}

QByteArray longPhraseFile(int count)
{
    QByteArray file;
    for (int i = 0; i < count; ++i)
        file += phraseOfLength(MaxPhraseTiles, std::uint32_t(100 + i)).toUtf8() + '\n';
    return file;
}

// The budgets of one figure, in microseconds: alone, and with its paint at a scale
// factor of 1 and of 2.
struct Budgets {
    double alone;
    double painted;
    double paintedAtTwo;
};

// A quarter of a 60 Hz frame at full HD, half a frame at twice the pixels each way.
constexpr double QuarterFrame = 4000;
constexpr double HalfFrame = 8000;
constexpr Budgets PerEvent = {500, 500, 500};

// Loading may take at most twice as long as cutting the same file into lines and
// decoding each line into a string of its own; Start at most twice as long as copying
// the phrases and shuffling the copy by Fisher-Yates with the same generator.
constexpr double LoadRatio = 2.0;
constexpr double StartRatio = 2.0;

// One player-triggered operation on a window of its own: the untimed preparation of each
// repetition, the timed operation, and a last check that it did what it should.
struct Operation {
    std::unique_ptr<PhraseFolder> folder;
    std::unique_ptr<Form1> form;
    std::function<void()> prepare = [] {};
    std::function<void()> operation;
    std::function<void()> check = [] {};
};

Operation onWindow(const QByteArray &phraseFileBytes)
{
    Operation op;
    op.folder = std::make_unique<PhraseFolder>(phraseFileBytes);
    op.form = shownWindow(*op.folder);
    return op;
}

struct Figure {
    std::string id;
    std::string name;
    Budgets budgets;
    int repetitions;
    std::function<Operation()> setUp;
};

std::vector<Figure> operationFigures()
{
    std::vector<Figure> list;
    const Budgets frame = {QuarterFrame, QuarterFrame, HalfFrame};

    for (const int length : {383, 40}) {
        list.push_back(
            {"showphrase" + std::to_string(length),
             "ShowPhrase, " + std::to_string(length) + " characters", frame,
             length == 383 ? 101 : 301, [length] {
                 Operation op = onWindow("uno\n");
                 Form1 *form = op.form.get();
                 auto turn = std::make_shared<int>(0);
                 const std::vector<std::u16string> phrases = {
                     phraseOfLength(length, 1).toStdU16String(),
                     phraseOfLength(length, 2).toStdU16String()};
                 op.operation = [=] {
                     run(form, [&](Game &game) { game.ShowPhrase(phrases[(*turn)++ % 2]); });
                 };
                 op.check = [=] {
                     require(form->game().letter(length).shown, "the phrase was not shown");
                 };
                 return op;
             }});
    }

    list.push_back(
        {"clearboard",
         "ClearBoard, after a 383-character phrase",
         {1000, QuarterFrame, HalfFrame},
         201,
         [] {
             Operation op = onWindow("uno\n");
             Form1 *form = op.form.get();
             const std::u16string phrase = phraseOfLength(MaxPhraseTiles).toStdU16String();
             op.prepare = [=] { run(form, [&](Game &game) { game.ShowPhrase(phrase); }); };
             op.operation = [=] { run(form, [](Game &game) { game.ClearBoard(); }); };
             op.check = [=] {
                 require(!form->game().letter(0).shown, "the board was not cleared");
             };
             return op;
         }});

    list.push_back({"paintbackground",
                    "PaintBackground, with a 40-character phrase shown",
                    {1500, QuarterFrame, HalfFrame},
                    301,
                    [] {
                        Operation op = onWindow("uno\n");
                        Form1 *form = op.form.get();
                        const std::u16string phrase = phraseOfLength(40).toStdU16String();
                        run(form, [&](Game &game) { game.ShowPhrase(phrase); });
                        op.operation = [=] {
                            run(form, [](Game &game) { game.PaintBackground(); });
                        };
                        return op;
                    }});

    list.push_back({"start", "Start, 64 phrases of 383 characters", frame, 101, [] {
                        Operation op = onWindow(longPhraseFile(64));
                        Form1 *form = op.form.get();
                        op.operation = [=] { choose(form, 0); };
                        op.check = [=] {
                            require(form->game().playListCount() == 64, "the queue is not full");
                        };
                        return op;
                    }});

    list.push_back({"help", "Help, after a 383-character phrase and a report", frame, 101, [] {
                        Operation op = onWindow(longPhraseFile(4));
                        Form1 *form = op.form.get();
                        choose(form, 0);
                        op.prepare = [=] {
                            run(form, [](Game &game) { game.NextPhrase(); });
                            pressEnter(form);
                        };
                        op.operation = [=] { choose(form, 1); };
                        op.check = [=] {
                            require(!form->game().letter(0).shown, "the board was not cleared");
                        };
                        return op;
                    }});

    list.push_back({"hit",
                    "CheckAnswer + ShowReport, hit, 383 characters",
                    {8000, QuarterFrame, HalfFrame},
                    101,
                    [] {
                        Operation op = onWindow(longPhraseFile(64));
                        Form1 *form = op.form.get();
                        auto expectedHits = std::make_shared<std::uint64_t>(0);
                        op.prepare = [=] {
                            const Game &game = form->game();
                            if (game.playListCount() == 0) {
                                choose(form, 0);
                                *expectedHits = 0;
                            }
                            // Puts the accents back, as the player would.
                            const std::u16string_view answer = game.playListItem(0);
                            require(answer.size() == MaxPhraseTiles,
                                    "the phrase is not 383 characters long");
                            for (int i = 1; i <= MaxPhraseTiles; ++i) {
                                if (game.letter(i).caption != answer.substr(std::size_t(i - 1), 1))
                                    run(form, [i](Game &played) { played.LetterClick(i); });
                            }
                            ++*expectedHits;
                        };
                        op.operation = [=] {
                            pressEnter(form);
                            require(form->game().hitCount().value_or(0) == *expectedHits,
                                    "the answer was not a hit");
                        };
                        return op;
                    }});

    list.push_back({"miss",
                    "CheckAnswer + ShowReport, miss, 383 characters",
                    {8000, QuarterFrame, HalfFrame},
                    101,
                    [] {
                        Operation op = onWindow(longPhraseFile(4));
                        Form1 *form = op.form.get();
                        choose(form, 0);
                        auto expectedMisses = std::make_shared<int>(0);
                        // A fresh board each time, with every tile still to be tinted.
                        op.prepare = [=] {
                            run(form, [](Game &game) { game.NextPhrase(); });
                            ++*expectedMisses;
                        };
                        op.operation = [=] {
                            pressEnter(form);
                            require(form->game().missCount() == *expectedMisses,
                                    "the answer was not a miss");
                        };
                        return op;
                    }});

    list.push_back(
        {"click", "tile click (press and release)", PerEvent, 1001, [] {
             Operation op = onWindow("uno\n");
             Form1 *form = op.form.get();
             const std::u16string phrase = phraseOfLength(MaxPhraseTiles).toStdU16String();
             run(form, [&](Game &game) { game.ShowPhrase(phrase); });
             auto tile = std::make_shared<int>(0);
             op.prepare = [=] { *tile = *tile % MaxPhraseTiles + 1; };
             op.operation = [=] {
                 sendMouse(form, *tile, QEvent::MouseButtonPress, Qt::LeftButton);
                 sendMouse(form, *tile, QEvent::MouseButtonRelease, Qt::LeftButton);
             };
             op.check = [=] {
                 require(form->game().selectedTileIndex() == *tile, "the tile was not clicked");
             };
             return op;
         }});

    list.push_back(
        {"hover", "tile hover (mouse move)", PerEvent, 1001, [] {
             Operation op = onWindow("uno\n");
             Form1 *form = op.form.get();
             const std::u16string phrase = phraseOfLength(MaxPhraseTiles).toStdU16String();
             run(form, [&](Game &game) { game.ShowPhrase(phrase); });
             // From the last tile back to the first: a tile grows to the right
             // and downwards over its neighbours, so the next one to the left is
             // never under it.
             auto tile = std::make_shared<int>(1);
             op.prepare = [=] { *tile = *tile > 1 ? *tile - 1 : MaxPhraseTiles; };
             op.operation = [=] { sendMouse(form, *tile, QEvent::MouseMove, Qt::NoButton); };
             op.check = [=] {
                 require(form->game().hoveredTileIndex() == *tile, "the tile was not hovered");
             };
             return op;
         }});

    return list;
}

struct RatioRuns {
    std::function<void()> prepare;
    std::function<void()> timed;
    std::function<void()> floor;
};

// A figure timed against its floor: the two in turn, repetition by repetition, so that
// both see the same state of the machine.
struct RatioFigure {
    std::string id;
    std::string name;
    std::string floorName;
    double ratioBudget;
    int repetitions;
    // Makes the window and returns the untimed preparation of each repetition, the timed
    // figure and its floor.
    std::function<RatioRuns(std::unique_ptr<Form1> &, const PhraseFolder &)> setUp;
    qsizetype phrases;
    PhraseEncoding encoding;
};

void runRatioFigure(const RatioFigure &figure, int repetitions, bool printSamples)
{
    const PhraseFolder folder(phraseFile(figure.phrases, figure.encoding));
    std::unique_ptr<Form1> form;
    const RatioRuns runs = figure.setUp(form, folder);
    std::vector<double> values;
    std::vector<double> floors;
    const auto time = [](const std::function<void()> &run) {
        settle();
        const double start = threadMicroseconds();
        run();
        return threadMicroseconds() - start;
    };
    // The two take turns at going first, so that neither always finds the allocator
    // with the other's garbage still to sort.
    for (int i = 0; i < 2 + repetitions; ++i) {
        runs.prepare();
        const bool floorFirst = i % 2 == 1;
        const double floorTime = floorFirst ? time(runs.floor) : 0;
        const double value = time(runs.timed);
        const double floorAfter = floorFirst ? floorTime : time(runs.floor);
        if (i >= 2) {
            values.push_back(value);
            floors.push_back(floorAfter);
        }
    }
    if (printSamples) {
        for (std::size_t i = 0; i < values.size(); ++i)
            std::fprintf(stderr, "%.0f/%.0f ", values[i], floors[i]);
        std::fprintf(stderr, "\n");
    }
    printRatio(figure.name, values, floors, figure.floorName, figure.ratioBudget);
}

// Loading: a new window each time, since the phrases are loaded once in a run, into an
// empty list. The floor cuts the same file into lines and decodes each into a string of
// its own, with no other rule; UTF-8 with utfcpp's checked decoder, since decoding a
// file's bytes includes telling whether they are UTF-8 at all.
RatioFigure loadFigure(const std::string &id, const std::string &name, qsizetype phrases,
                       PhraseEncoding encoding, int repetitions)
{
    const bool utf8 = encoding == PhraseEncoding::Utf8;
    const auto setUp = [phrases, utf8](std::unique_ptr<Form1> &form, const PhraseFolder &folder) {
        const QString path = folder.filePath();
        auto lines = std::make_shared<std::vector<std::u16string>>();
        // The window and the floor's lines of the repetition before are freed untimed.
        const auto prepare = [&form, &folder, lines] {
            form.reset();
            form = newWindow(folder);
            std::vector<std::u16string>().swap(*lines);
        };
        const auto timed = [&form, phrases] {
            form->game().LoadPhrases();
            require(form->game().sourceList().size() == std::size_t(phrases),
                    "not every phrase was loaded");
        };
        const auto floor = [path, lines, utf8, phrases] {
            QFile file(path);
            require(file.open(QIODevice::ReadOnly), "cannot open the phrase file");
            const QByteArray bytes = file.readAll();
            const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
            std::size_t start = 0;
            while (start < text.size()) {
                std::size_t end = text.find('\n', start);
                if (end == std::string_view::npos)
                    end = text.size();
                const std::size_t length =
                    end > start && text[end - 1] == '\r' ? end - start - 1 : end - start;
                const std::string_view line = text.substr(start, length);
                if (utf8) {
                    std::u16string decoded;
                    decoded.reserve(line.size());
                    utf8::utf8to16(line.begin(), line.end(), std::back_inserter(decoded));
                    lines->push_back(std::move(decoded));
                } else {
                    lines->push_back(decodeWindows1252(line));
                }
                start = end + 1;
            }
            require(lines->size() == std::size_t(phrases), "the floor read too few lines");
        };
        return RatioRuns{prepare, timed, floor};
    };
    return {id,      name,    "lines decoded into strings alone", LoadRatio, repetitions, setUp,
            phrases, encoding};
}

// Start on a large file, its first layout included. The floor is the plain way to make
// a shuffled copy of the phrases: the source list copied, then shuffled by Fisher-Yates
// with the game's generator.
RatioFigure startFigure(const std::string &id, const std::string &name, qsizetype phrases,
                        int repetitions)
{
    const auto setUp = [phrases](std::unique_ptr<Form1> &form, const PhraseFolder &folder) {
        form = shownWindow(folder);
        Form1 *window = form.get();
        auto random = std::make_shared<MersenneRandom>();
        random->seed(3600.5f);
        auto copy = std::make_shared<std::vector<std::u16string>>();
        const auto timed = [window, phrases] {
            choose(window, 0);
            require(window->game().playListCount() == std::size_t(phrases),
                    "the queue is not full");
        };
        const auto floor = [window, random, copy] {
            *copy = window->game().sourceList();
            for (std::size_t i = copy->size(); i > 1; --i) {
                const auto j = std::size_t(drawIndex(random->next(), std::int64_t(i)));
                std::swap((*copy)[i - 1], (*copy)[j]);
            }
        };
        return RatioRuns{[] {}, timed, floor};
    };
    return {id,
            name,
            "the phrases copied and shuffled",
            StartRatio,
            repetitions,
            setUp,
            phrases,
            PhraseEncoding::Utf8};
}

std::vector<RatioFigure> ratioFigures()
{
    return {
        startFigure("start32k", "Start, 32,767 phrases, first layout included", 32767, 31),
        startFigure("start1m", "Start, 1,000,000 phrases, first layout included", 1000000, 7),
        loadFigure("load32k-1252", "LoadPhrases, 32,767 phrases, Windows-1252", 32767,
                   PhraseEncoding::Windows1252, 31),
        loadFigure("load32k-utf8", "LoadPhrases, 32,767 phrases, UTF-8", 32767,
                   PhraseEncoding::Utf8, 31),
        loadFigure("load1m-1252", "LoadPhrases, 1,000,000 phrases, Windows-1252", 1000000,
                   PhraseEncoding::Windows1252, 7),
        loadFigure("load1m-utf8", "LoadPhrases, 1,000,000 phrases, UTF-8", 1000000,
                   PhraseEncoding::Utf8, 7),
    };
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    AcutrixApplication app(argc, argv);

    QStringList only;
    int repetitions = 0;
    bool printSamples = false;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--only"))
            only = arguments[i + 1].split(u',');
        else if (arguments[i] == QLatin1String("--repetitions"))
            repetitions = arguments[i + 1].toInt();
        else if (arguments[i] == QLatin1String("--samples"))
            printSamples = arguments[i + 1] == QLatin1String("yes");
    }
    const auto chosen = [&](const std::string &id) {
        return only.isEmpty() || only.contains(QString::fromStdString(id));
    };
    const auto printSampleTimes = [&](const std::vector<double> &times) {
        if (!printSamples)
            return;
        for (const double time : times)
            std::fprintf(stderr, "%.0f ", time);
        std::fprintf(stderr, "\n");
    };

    // Under QT_SCALE_FACTOR=2 the same window is painted at twice the pixels each way;
    // the figures say so, and loading, which paints nothing, is timed at scale 1 only.
    const bool doubled = qApp->devicePixelRatio() > 1.5;
    const std::string scale = doubled ? ", QT_SCALE_FACTOR=2" : "";

    for (const Figure &figure : operationFigures()) {
        if (!chosen(figure.id))
            continue;
        const int count = repetitions > 0 ? repetitions : figure.repetitions;
        for (const Timing timing : {Timing::Alone, Timing::WithPaint}) {
            const bool painted = timing == Timing::WithPaint;
            const std::string name =
                figure.name + (painted ? ", with its paint" : ", alone") + scale;
            std::fprintf(stderr, "  %s ...\n", name.c_str());
            Operation op = figure.setUp();
            const std::vector<double> times = measure(count, timing, op.prepare, op.operation);
            op.check();
            printSampleTimes(times);
            const double budget = !painted ? figure.budgets.alone
                : doubled                  ? figure.budgets.paintedAtTwo
                                           : figure.budgets.painted;
            printResult(name, times, budget, "us");
        }
    }
    if (doubled)
        return 0;
    for (const RatioFigure &figure : ratioFigures()) {
        if (!chosen(figure.id))
            continue;
        std::fprintf(stderr, "  %s ...\n", figure.name.c_str());
        runRatioFigure(figure, repetitions > 0 ? repetitions : figure.repetitions, printSamples);
    }
    return 0;
}
