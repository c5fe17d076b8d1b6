// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diacriticwords.h"

#include <array>
#include <utility>

namespace {

using Pair = std::pair<std::u16string_view, std::u16string_view>;

// Accented and plain forms. aún/aun is not here: its accent marks a hiatus.
constexpr std::array monosyllables = {
    Pair{u"tú", u"tu"}, Pair{u"él", u"el"}, Pair{u"mí", u"mi"}, Pair{u"sí", u"si"},
    Pair{u"té", u"te"}, Pair{u"dé", u"de"}, Pair{u"sé", u"se"}, Pair{u"más", u"mas"},
};

constexpr std::array questionWords = {
    Pair{u"qué", u"que"},         Pair{u"quién", u"quien"},     Pair{u"quiénes", u"quienes"},
    Pair{u"cuál", u"cual"},       Pair{u"cuáles", u"cuales"},   Pair{u"cuán", u"cuan"},
    Pair{u"cómo", u"como"},       Pair{u"dónde", u"donde"},     Pair{u"adónde", u"adonde"},
    Pair{u"cuándo", u"cuando"},   Pair{u"cuánto", u"cuanto"},   Pair{u"cuánta", u"cuanta"},
    Pair{u"cuántos", u"cuantos"}, Pair{u"cuántas", u"cuantas"},
};

template<std::size_t N>
const Pair *findPair(const std::array<Pair, N> &pairs, std::u16string_view word)
{
    for (const Pair &pair : pairs) {
        if (pair.first == word || pair.second == word)
            return &pair;
    }
    return nullptr;
}

} // namespace

bool isDiacriticAccented(std::u16string_view lowerWord)
{
    const Pair *pair = findPair(monosyllables, lowerWord);
    if (!pair)
        pair = findPair(questionWords, lowerWord);
    return pair && pair->first == lowerWord;
}

std::u16string diacriticPartner(std::u16string_view lowerWord)
{
    const Pair *pair = findPair(monosyllables, lowerWord);
    if (!pair)
        pair = findPair(questionWords, lowerWord);
    if (!pair)
        return {};
    return std::u16string(pair->first == lowerWord ? pair->second : pair->first);
}

bool isUnaccentedQuestionWord(std::u16string_view lowerWord)
{
    const Pair *pair = findPair(questionWords, lowerWord);
    return pair && pair->second == lowerWord;
}
