// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// acutrix-check's work on a file of 32,767 phrases (reading the dictionary, decoding the
// lines, every check) against its floor, timed in turns with it: reading the same
// dictionary and looking up each distinct word of the file in it once, nothing else.
#include "phrasechecker.h"
#include "phrasefile.h"
#include "phrasefiles.h"
#include "samples.h"
#include "spelldictionary.h"

#include <nuspell/dictionary.hxx>
#include <utf8/checked.h>

#include <cstdio>
#include <ctime>
#include <set>

namespace {

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

} // namespace

int main()
{
    const QByteArray file = phraseFile(32767, PhraseEncoding::Windows1252);
    const std::string bytes(file.constData(), std::size_t(file.size()));
    const auto affixFile = SpellDictionary::defaultAffixFile();
    std::set<std::string> distinct;
    const std::vector<std::u16string> lines = decodedLines(bytes).value();
    for (const std::u16string &line : lines) {
        for (const LineWord &word : wordsOf(line))
            distinct.insert(utf8::utf16to8(joinAccents(word.text)));
    }

    std::vector<double> checks;
    std::vector<double> floors;
    std::size_t findings = 0;
    std::size_t known = 0;
    const int repetitions = 7;
    for (int i = 0; i < 1 + repetitions; ++i) {
        double start = threadMicroseconds();
        SpellDictionary dictionary;
        if (!dictionary.load(affixFile)) {
            std::fprintf(stderr, "cannot read %s\n", affixFile.c_str());
            return 2;
        }
        findings = checkLines(decodedLines(bytes).value(), &dictionary).size();
        double end = threadMicroseconds();
        if (i > 0)
            checks.push_back(end - start);

        start = threadMicroseconds();
        nuspell::Dictionary floor;
        floor.load_aff_dic(affixFile);
        known = 0;
        for (const std::string &word : distinct)
            known += floor.spell(word) ? 1 : 0;
        end = threadMicroseconds();
        if (i > 0)
            floors.push_back(end - start);
    }
    std::fprintf(stderr, "%zu findings, %zu of %zu distinct words known\n", findings, known,
                 distinct.size());
    printRatio("acutrix-check, 32,767 phrases, Windows-1252", checks, floors,
               "reading the dictionary and looking each distinct word up once", 5.0);
    return 0;
}
