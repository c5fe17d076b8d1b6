// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the phrase file fuzz target once on every file named on the command line, or held
// in a folder named there: the seed corpus and the inputs of faults found by fuzzing.
// Builds with any compiler, so these inputs are checked in every build, the sanitizer
// build included, also where libFuzzer is not available.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    int replayed = 0;
    for (int a = 1; a < argc; ++a) {
        const QFileInfo named(QString::fromLocal8Bit(argv[a]));
        const QFileInfoList files = named.isDir() ? QDir(named.filePath()).entryInfoList(QDir::Files, QDir::Name)
                                                  : QFileInfoList{named};
        for (const QFileInfo &info : files) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "%s (%lld bytes)\n", qPrintable(file.fileName()), static_cast<long long>(bytes.size()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
