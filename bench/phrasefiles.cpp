// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefiles.h"

#include <array>
#include <random>
#include <vector>

namespace {

// Every character lies in Latin-1, where Windows-1252 agrees with it.
// clang-format off
constexpr std::array words = {
    u"él", u"está", u"aquí", u"canción", u"camión", u"árbol",
    u"música", u"fácil", u"café", u"mamá", u"papá", u"sofá",
    u"jamás", u"después", u"también", u"había", u"día", u"país",
    u"río", u"búho", u"Ángel", u"Éxito", u"Índice", u"Óscar",
    u"Último", u"niño", u"año", u"pingüino", u"la", u"el",
    u"de", u"que", u"y", u"en", u"un", u"una",
    u"casa", u"perro", u"gato", u"mesa", u"libro", u"agua",
    u"sol", u"luna", u"verde", u"rojo", u"grande", u"pequeño",
    u"¿Dónde", u"¡Qué", u"come", u"bebe", u"vive", u"lejos",
    u"cerca", u"corazón", u"lápiz", u"difícil",
};
// clang-format on

QString word(std::size_t index)
{
    return QString::fromUtf16(words[index]);
}

} // namespace

QByteArray phraseFile(qsizetype count, PhraseEncoding encoding, std::uint32_t seed)
{
    std::vector<QByteArray> encoded;
    for (std::size_t i = 0; i < words.size(); ++i)
        encoded.push_back(encoding == PhraseEncoding::Utf8 ? word(i).toUtf8() : word(i).toLatin1());
    const QByteArray lineEnd = encoding == PhraseEncoding::Utf8 ? "\n" : "\r\n";

    std::mt19937 engine(seed);
    std::uniform_int_distribution<std::size_t> pickWord(0, words.size() - 1);
    std::uniform_int_distribution<int> pickLength(2, 10);
    QByteArray file;
    file.reserve(count * 48);
    for (qsizetype i = 0; i < count; ++i) {
        const int length = pickLength(engine);
        for (int w = 0; w < length; ++w) {
            if (w > 0)
                file += ' ';
            file += encoded[pickWord(engine)];
        }
        file += '.';
        file += lineEnd;
    }
    return file;
}

QString phraseOfLength(qsizetype length, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<std::size_t> pickWord(0, words.size() - 1);
    QString phrase;
    while (phrase.size() < length) {
        if (!phrase.isEmpty())
            phrase += u' ';
        phrase += word(pickWord(engine));
    }
    phrase.truncate(length);
    if (phrase.endsWith(u' '))
        phrase.back() = u'.';
    return phrase;
}
