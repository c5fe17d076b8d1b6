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
// Loading is timed against its floor in the same run: reading the same file with
// QFile::readAll and decoding it whole, with nothing else, timed in turn with it.
//
//   acutrix_bench_operations [--only ID[,ID...]] [--repetitions N] [--samples yes]
//
// --only runs the named figures alone and --repetitions overrides their counts, which
// keeps a run under a profiler short; --samples also prints every time measured. The
// paint is QWidgetRepaintManager::sync, e.g.
//   valgrind --tool=callgrind --toggle-collect='Form1::ShowPhrase*'
//            --toggle-collect='QWidgetRepaintManager::sync*'
//            acutrix_bench_operations --only showphrase383 --repetitions 20

#include "captionlabel.h"
#include "form1.h"
#include "phrasefile.h"
#include "phrasefiles.h"
#include "randomsource.h"
#include "samples.h"
#include "startup.h"
#include "textpanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

void sendMouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF local(2, 2);
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
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

// Loading may take at most this many times as long as reading the same file with
// QFile::readAll and decoding it whole. Loading also has to cut the text into one string
// per phrase, each allocated on its own, and fold its spaces: for 32,767 phrases of some
// fifty characters that work measures 3 to 4 times the reading and decoding (4.1 to
// 4.9 times in all); for 1,000,000 phrases the floor itself is mostly the allocation of
// the whole file's text, and the ratio falls to about 2. Six leaves room for a busy
// machine and none for an extra pass over the text.
constexpr double LoadRatio = 6.0;

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
                 const QStringList phrases = {phraseOfLength(length, 1), phraseOfLength(length, 2)};
                 op.operation = [=] { form->ShowPhrase(phrases[(*turn)++ % 2]); };
                 op.check = [=] {
                     require(!form->letter(length)->isHidden(), "the phrase was not shown");
                 };
                 return op;
             }});
    }

    list.push_back({"clearboard",
                    "ClearBoard, after a 383-character phrase",
                    {1000, QuarterFrame, HalfFrame},
                    201,
                    [] {
                        Operation op = onWindow("uno\n");
                        Form1 *form = op.form.get();
                        const QString phrase = phraseOfLength(MaxPhraseTiles);
                        op.prepare = [=] { form->ShowPhrase(phrase); };
                        op.operation = [=] { form->ClearBoard(); };
                        op.check = [=] {
                            require(form->letter(0)->isHidden(), "the board was not cleared");
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
                        form->ShowPhrase(phraseOfLength(40));
                        op.operation = [=] { form->PaintBackground(); };
                        return op;
                    }});

    list.push_back({"start", "Start, 64 phrases of 383 characters", frame, 101, [] {
                        Operation op = onWindow(longPhraseFile(64));
                        Form1 *form = op.form.get();
                        op.operation = [=] { form->startGame(); };
                        op.check = [=] {
                            require(form->playList().size() == 64, "the queue is not full");
                        };
                        return op;
                    }});

    // The queue of a large file is built at every Start: the budget is that of a file
    // of this size, not of a frame.
    list.push_back(
        {"start32k", "Start, 32,767 phrases, first layout included", {16000, 16000, 16000}, 31, [] {
             Operation op = onWindow(phraseFile(32767, PhraseEncoding::Utf8));
             Form1 *form = op.form.get();
             op.operation = [=] { form->startGame(); };
             op.check = [=] { require(form->playList().size() == 32767, "the queue is not full"); };
             return op;
         }});

    list.push_back({"start1m",
                    "Start, 1,000,000 phrases, first layout included",
                    {300000, 300000, 300000},
                    7,
                    [] {
                        Operation op = onWindow(phraseFile(1000000, PhraseEncoding::Utf8));
                        Form1 *form = op.form.get();
                        op.operation = [=] { form->startGame(); };
                        op.check = [=] {
                            require(form->playList().size() == 1000000, "the queue is not full");
                        };
                        return op;
                    }});

    list.push_back({"help", "Help, after a 383-character phrase and a report", frame, 101, [] {
                        Operation op = onWindow(longPhraseFile(4));
                        Form1 *form = op.form.get();
                        form->startGame();
                        op.prepare = [=] {
                            form->NextPhrase();
                            form->submitAnswer();
                        };
                        op.operation = [=] { form->showHelp(); };
                        op.check = [=] {
                            require(form->letter(0)->isHidden(), "the board was not cleared");
                        };
                        return op;
                    }});

    list.push_back(
        {"hit",
         "CheckAnswer + ShowReport, hit, 383 characters",
         {8000, QuarterFrame, HalfFrame},
         101,
         [] {
             Operation op = onWindow(longPhraseFile(64));
             Form1 *form = op.form.get();
             auto expectedHits = std::make_shared<quint64>(0);
             op.prepare = [=] {
                 if (form->playList().isEmpty()) {
                     form->startGame();
                     *expectedHits = 0;
                 }
                 // Puts the accents back, as the player would.
                 const QString answer = form->playList().first();
                 require(answer.size() == MaxPhraseTiles, "the phrase is not 383 characters long");
                 for (int i = 1; i <= MaxPhraseTiles; ++i) {
                     if (form->letter(i)->caption() != answer[i - 1])
                         form->letterClicked(i);
                 }
                 ++*expectedHits;
             };
             op.operation = [=] {
                 form->submitAnswer();
                 require(form->hitCount().value_or(0) == *expectedHits, "the answer was not a hit");
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
                        form->startGame();
                        auto expectedMisses = std::make_shared<qint16>(0);
                        // A fresh board each time, with every tile still to be tinted.
                        op.prepare = [=] {
                            form->NextPhrase();
                            ++*expectedMisses;
                        };
                        op.operation = [=] {
                            form->submitAnswer();
                            require(form->missCount() == *expectedMisses,
                                    "the answer was not a miss");
                        };
                        return op;
                    }});

    list.push_back({"click", "tile click (press and release)", PerEvent, 1001, [] {
                        Operation op = onWindow("uno\n");
                        Form1 *form = op.form.get();
                        form->ShowPhrase(phraseOfLength(MaxPhraseTiles));
                        auto tile = std::make_shared<int>(0);
                        op.prepare = [=] { *tile = *tile % MaxPhraseTiles + 1; };
                        op.operation = [=] {
                            CaptionLabel *label = form->letter(*tile);
                            sendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton);
                            sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton);
                        };
                        return op;
                    }});

    list.push_back({"hover", "tile hover (mouse move)", PerEvent, 1001, [] {
                        Operation op = onWindow("uno\n");
                        Form1 *form = op.form.get();
                        form->ShowPhrase(phraseOfLength(MaxPhraseTiles));
                        auto tile = std::make_shared<int>(0);
                        op.prepare = [=] { *tile = *tile % MaxPhraseTiles + 1; };
                        op.operation = [=] {
                            sendMouse(form->letter(*tile), QEvent::MouseMove, Qt::NoButton);
                        };
                        return op;
                    }});

    return list;
}

// Loading timed against its floor: the same file read with QFile::readAll and decoded
// whole, with nothing else. The two are timed in turn, repetition by repetition, so
// that both see the same state of the machine.
struct LoadFigure {
    std::string id;
    std::string name;
    qsizetype phrases;
    PhraseEncoding encoding;
    double ratioBudget;
    int repetitions;
};

void runLoadFigure(const LoadFigure &figure, int repetitions, bool printSamples)
{
    const PhraseFolder folder(phraseFile(figure.phrases, figure.encoding));
    const QString path = folder.filePath();
    const bool utf8 = figure.encoding == PhraseEncoding::Utf8;
    std::unique_ptr<Form1> form;
    qsizetype decoded = 0;
    const auto floor = [&] {
        QFile file(path);
        require(file.open(QIODevice::ReadOnly), "cannot open the phrase file");
        const QByteArray bytes = file.readAll();
        const QString text = utf8 ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
        decoded = text.size();
    };
    std::vector<double> loads;
    std::vector<double> floors;
    for (int i = 0; i < 2 + repetitions; ++i) {
        // A new window each time: the phrases are loaded once in a run, into an empty list.
        form.reset();
        form = newWindow(folder);
        settle();
        double start = threadMicroseconds();
        form->LoadPhrases();
        double end = threadMicroseconds();
        if (i >= 2)
            loads.push_back(end - start);
        settle();
        start = threadMicroseconds();
        floor();
        end = threadMicroseconds();
        if (i >= 2)
            floors.push_back(end - start);
    }
    require(form->sourceList().size() == figure.phrases, "not every phrase was loaded");
    require(decoded > 0, "the floor decoded nothing");
    if (printSamples) {
        for (std::size_t i = 0; i < loads.size(); ++i)
            std::fprintf(stderr, "%.0f/%.0f ", loads[i], floors[i]);
        std::fprintf(stderr, "\n");
    }
    printRatio(figure.name, loads, floors, "QFile::readAll and decoding alone", figure.ratioBudget);
}

std::vector<LoadFigure> loadFigures()
{
    std::vector<LoadFigure> list;
    struct Size {
        const char *id;
        const char *name;
        qsizetype phrases;
        int repetitions;
    };
    for (const Size size :
         {Size{"32k", "32,767", 32767, 31}, Size{"1m", "1,000,000", 1000000, 7}}) {
        for (const auto &[encodingId, encodingName, encoding] :
             {std::tuple{"1252", "Windows-1252", PhraseEncoding::Windows1252},
              std::tuple{"utf8", "UTF-8", PhraseEncoding::Utf8}}) {
            list.push_back({std::string("load") + size.id + "-" + encodingId,
                            std::string("LoadPhrases, ") + size.name + " phrases, " + encodingName,
                            size.phrases, encoding, LoadRatio, size.repetitions});
        }
    }
    return list;
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
    for (const LoadFigure &figure : loadFigures()) {
        if (!chosen(figure.id))
            continue;
        std::fprintf(stderr, "  %s ...\n", figure.name.c_str());
        runLoadFigure(figure, repetitions > 0 ? repetitions : figure.repetitions, printSamples);
    }
    return 0;
}
