// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times every operation a player can trigger, on the real window shown offscreen.
// Each repetition lets the window paint and settle first, outside the timed region, so
// a figure is the operation itself and never the painting that it causes.
//
// The time taken is the CPU time of the window's thread, on which each operation runs
// from start to end without waiting: on a quiet machine it is the time the player
// waits, and unlike the wall clock it does not grow while other processes have the
// cores.
//
//   acutrix_bench_operations [--only ID[,ID...]] [--repetitions N] [--samples yes]
//
// --only runs the named figures alone and --repetitions overrides their counts, which
// keeps a run under a profiler short; --samples also prints every time measured, e.g.
//   valgrind --tool=callgrind --toggle-collect='Form1::ShowPhrase*'
//            acutrix_bench_operations --only showphrase383 --repetitions 20

#include "captionlabel.h"
#include "form1.h"
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

std::unique_ptr<Form1> shownWindow(const PhraseFolder &folder)
{
    std::unique_ptr<Form1> form = newWindow(folder);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        std::fprintf(stderr, "the window was never exposed\n");
        std::exit(2);
    }
    return form;
}

// Paints whatever is pending and runs every posted event.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "benchmark set-up failed: %s\n", what);
        std::exit(2);
    }
}

// Runs prepare (untimed, then the window settles) and operation (timed) a few times to
// warm up and then `repetitions` times; the times are in microseconds.
std::vector<double> measure(int repetitions, const std::function<void()> &prepare,
                            const std::function<void()> &operation)
{
    constexpr int warmUp = 2;
    std::vector<double> times;
    times.reserve(std::size_t(repetitions));
    for (int i = 0; i < warmUp + repetitions; ++i) {
        prepare();
        settle();
        const double start = threadMicroseconds();
        operation();
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

struct Figure {
    std::string id;
    std::string name;
    double budgetMicroseconds;
    int repetitions;
    std::function<std::vector<double>(int repetitions)> run;
};

std::vector<Figure> figures()
{
    std::vector<Figure> list;

    for (const int length : {383, 40}) {
        list.push_back(
            {"showphrase" + std::to_string(length),
             "ShowPhrase, " + std::to_string(length) + " characters, without the paint", 4000,
             length == 383 ? 101 : 301, [length](int repetitions) {
                 const PhraseFolder folder("uno\n");
                 const auto form = shownWindow(folder);
                 const QString phrases[] = {phraseOfLength(length, 1), phraseOfLength(length, 2)};
                 int turn = 0;
                 const auto times = measure(
                     repetitions, [] {}, [&] { form->ShowPhrase(phrases[turn++ % 2]); });
                 require(!form->letter(length)->isHidden(), "the phrase was not shown");
                 return times;
             }});
    }

    list.push_back(
        {"clearboard", "ClearBoard, after a 383-character phrase", 1000, 201, [](int repetitions) {
             const PhraseFolder folder("uno\n");
             const auto form = shownWindow(folder);
             const QString phrase = phraseOfLength(MaxPhraseTiles);
             const auto times = measure(
                 repetitions, [&] { form->ShowPhrase(phrase); }, [&] { form->ClearBoard(); });
             require(form->letter(0)->isHidden(), "the board was not cleared");
             return times;
         }});

    list.push_back({"paintbackground", "PaintBackground", 1500, 301, [](int repetitions) {
                        const PhraseFolder folder("uno\n");
                        const auto form = shownWindow(folder);
                        form->ShowPhrase(phraseOfLength(40));
                        return measure(
                            repetitions, [] {}, [&] { form->PaintBackground(); });
                    }});

    struct Size {
        const char *id;
        const char *name;
        qsizetype phrases;
        double loadBudget;
        double startBudget;
        int repetitions;
    };
    for (const Size size : {Size{"32k", "32,767", 32767, 16000, 16000, 31},
                            Size{"1m", "1,000,000", 1000000, 400000, 300000, 7}}) {
        for (const auto &[encodingId, encodingName, encoding] :
             {std::tuple{"1252", "Windows-1252", PhraseEncoding::Windows1252},
              std::tuple{"utf8", "UTF-8", PhraseEncoding::Utf8}}) {
            list.push_back({std::string("load") + size.id + "-" + encodingId,
                            std::string("LoadPhrases, ") + size.name + " phrases, " + encodingName,
                            size.loadBudget, size.repetitions, [size, encoding](int repetitions) {
                                const PhraseFolder folder(phraseFile(size.phrases, encoding));
                                std::unique_ptr<Form1> form;
                                // A new window each time: the phrases are loaded once in a run,
                                // into an empty list.
                                const auto times = measure(
                                    repetitions,
                                    [&] {
                                        form.reset();
                                        form = newWindow(folder);
                                    },
                                    [&] { form->LoadPhrases(); });
                                require(form->sourceList().size() == size.phrases,
                                        "not every phrase was loaded");
                                return times;
                            }});
        }
        list.push_back(
            {std::string("start") + size.id,
             std::string("Start, ") + size.name + " phrases, first layout included",
             size.startBudget, size.repetitions, [size](int repetitions) {
                 const PhraseFolder folder(phraseFile(size.phrases, PhraseEncoding::Utf8));
                 const auto form = shownWindow(folder);
                 const auto times = measure(
                     repetitions, [] {}, [&] { form->startGame(); });
                 require(form->playList().size() == size.phrases, "the queue is not full");
                 return times;
             }});
    }

    list.push_back(
        {"hit", "CheckAnswer + ShowReport, hit, 383 characters", 8000, 101, [](int repetitions) {
             const PhraseFolder folder(longPhraseFile(64));
             const auto form = shownWindow(folder);
             quint64 expectedHits = 0;
             const auto prepare = [&] {
                 if (form->playList().isEmpty()) {
                     form->startGame();
                     expectedHits = 0;
                 }
                 // Puts the accents back, as the player would.
                 const QString answer = form->playList().first();
                 require(answer.size() == MaxPhraseTiles, "the phrase is not 383 characters long");
                 for (int i = 1; i <= MaxPhraseTiles; ++i) {
                     if (form->letter(i)->caption() != answer[i - 1])
                         form->letterClicked(i);
                 }
                 ++expectedHits;
             };
             return measure(repetitions, prepare, [&] {
                 form->submitAnswer();
                 require(form->hitCount().value_or(0) == expectedHits, "the answer was not a hit");
             });
         }});

    list.push_back(
        {"miss", "CheckAnswer + ShowReport, miss, 383 characters", 8000, 101, [](int repetitions) {
             const PhraseFolder folder(longPhraseFile(4));
             const auto form = shownWindow(folder);
             form->startGame();
             qint16 expectedMisses = 0;
             // A fresh board each time, with every tile still to be tinted.
             const auto prepare = [&] {
                 form->NextPhrase();
                 ++expectedMisses;
             };
             return measure(repetitions, prepare, [&] {
                 form->submitAnswer();
                 require(form->missCount() == expectedMisses, "the answer was not a miss");
             });
         }});

    list.push_back(
        {"click", "tile click (press and release)", 500, 1001, [](int repetitions) {
             const PhraseFolder folder("uno\n");
             const auto form = shownWindow(folder);
             form->ShowPhrase(phraseOfLength(MaxPhraseTiles));
             int tile = 0;
             return measure(
                 repetitions, [&] { tile = tile % MaxPhraseTiles + 1; },
                 [&] {
                     sendMouse(form->letter(tile), QEvent::MouseButtonPress, Qt::LeftButton);
                     sendMouse(form->letter(tile), QEvent::MouseButtonRelease, Qt::LeftButton);
                 });
         }});

    list.push_back(
        {"hover", "tile hover (mouse move)", 500, 1001, [](int repetitions) {
             const PhraseFolder folder("uno\n");
             const auto form = shownWindow(folder);
             form->ShowPhrase(phraseOfLength(MaxPhraseTiles));
             int tile = 0;
             return measure(
                 repetitions, [&] { tile = tile % MaxPhraseTiles + 1; },
                 [&] { sendMouse(form->letter(tile), QEvent::MouseMove, Qt::NoButton); });
         }});

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

    for (const Figure &figure : figures()) {
        if (!only.isEmpty() && !only.contains(QString::fromStdString(figure.id)))
            continue;
        std::fprintf(stderr, "  %s ...\n", figure.name.c_str());
        const std::vector<double> times =
            figure.run(repetitions > 0 ? repetitions : figure.repetitions);
        if (printSamples) {
            for (const double time : times)
                std::fprintf(stderr, "%.0f ", time);
            std::fprintf(stderr, "\n");
        }
        printResult(figure.name, times, figure.budgetMicroseconds, "us");
    }
    return 0;
}
