// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SYLLABLES_H
#define SYLLABLES_H

#include <string>
#include <string_view>
#include <vector>

// The written syllables of a Spanish word, in order; joined they give the word back,
// letter case and marks included. A word with no vowel is one syllable, and the empty
// word has none.
//
// Vowels next to each other share a syllable (a diphthong or triphthong) unless both are
// a, e or o, or one is an accented í or ú beside a, e or o, or they are the same vowel:
// then they are a hiatus. An h between vowels changes none of this. ch, ll and rr are one
// consonant, and so are qu and gu before e or i, whose u is silent; ü is a vowel. y is a
// vowel when no vowel follows it. One consonant between vowels starts the next syllable;
// of two or more, the next syllable takes the last two when they are an inseparable
// group (pl, bl, fl, cl, gl, kl, pr, br, fr, cr, gr, kr, tr, dr) and the last one
// otherwise.
std::vector<std::u16string> splitSyllables(std::u16string_view word);

#endif
