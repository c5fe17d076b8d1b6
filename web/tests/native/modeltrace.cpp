// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays a script of the window's events on the game and prints the game's state after
// each one, in the form the browser tests print the page's model in.
//
//   modeltrace PHRASEFILE SECONDS FRAME SIZES SCRIPT
//
// PHRASEFILE: the phrase file's bytes, or "-" for a file that cannot be read. SECONDS: the
// time of day the game is seeded from. FRAME: the window's outer width, outer height, top,
// inner width and inner height in twips, separated by commas. SIZES: one caption size a
// line, "FACE POINTS WIDTH HEIGHT CAPTION", FACE 0 for the tiles and 1 for the report,
// CAPTION its UTF-16 code units in hexadecimal separated by commas, or "-" when empty.
// SCRIPT: one event a line: Load, LoadPhrases, Start, Help, Credits, Submit, click N,
// hover N, or solve (a click on every tile whose caption differs from the phrase).

#include "game.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace {

using SizeKey = std::tuple<int, double, std::u16string>;

std::u16string codeUnits(const std::string &hex)
{
    std::u16string text;
    if (hex == "-")
        return text;
    std::istringstream units(hex);
    std::string unit;
    while (std::getline(units, unit, ','))
        text += char16_t(std::stoul(unit, nullptr, 16));
    return text;
}

// The sizes the page measured; a caption it never measured is a fault of the test.
struct RecordedMeasure : CaptionMeasure {
    TwipSize captionSize(std::u16string_view caption, LabelFace face, double points) const override
    {
        const auto found = sizes.find({int(face), points, std::u16string(caption)});
        if (found == sizes.end())
            throw std::runtime_error("a caption size that was not recorded");
        return found->second;
    }
    std::map<SizeKey, TwipSize> sizes;
};

struct FixedFrame : WindowGeometry {
    WindowFrame frame() const override { return geometry; }
    WindowFrame geometry{};
};

std::string number(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, end.ptr);
}

// Code units outside printable ASCII, and the backslash, as \uXXXX.
std::string escaped(std::u16string_view text)
{
    std::string out;
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != u'\\') {
            out += char(unit);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", unsigned(unit));
            out += code;
        }
    }
    return out;
}

void printLabel(int index, const Label &label)
{
    std::cout << "label " << index << " [" << escaped(label.caption) << "] " << number(label.points)
              << ' ' << label.textColour << ' ' << number(label.left) << ' ' << number(label.top)
              << ' ' << number(label.width) << ' ' << number(label.height) << '\n';
}

void printState(const Game &game)
{
    std::cout << "background " << game.backgroundColour() << '\n';
    std::cout << "start " << (game.startEnabled() ? 1 : 0) << '\n';
    std::cout << "hits " << game.hitCount().value_or(0) << " misses " << game.missCount() << '\n';
    std::cout << "queue " << game.playListCount() << '\n';
    for (std::size_t i = 0; i < game.playListCount(); ++i)
        std::cout << "item [" << escaped(game.playListItem(i)) << "]\n";
    std::cout << "lines " << game.panelLines().size() << '\n';
    for (const std::u16string &line : game.panelLines())
        std::cout << "line [" << escaped(line) << "]\n";
    for (int i = 0; i < TileCount; ++i) {
        if (game.letter(i).shown)
            printLabel(i, game.letter(i));
    }
    printLabel(Game::ReportLabelIndex, game.reportLabel());
    std::cout << "front " << game.frontToBack().back() << '\n';
}

void solve(Game &game)
{
    const std::u16string phrase(game.playListItem(0));
    for (std::size_t i = 1; i <= phrase.size() && i < std::size_t(TileCount); ++i) {
        if (game.letter(int(i)).caption != phrase.substr(i - 1, 1))
            game.LetterClick(int(i));
    }
}

void play(Game &game, const std::string &event)
{
    std::istringstream words(event);
    std::string name;
    int index = 0;
    words >> name >> index;
    if (name == "Load")
        game.Load();
    else if (name == "LoadPhrases")
        game.LoadPhrases();
    else if (name == "Start")
        game.Start();
    else if (name == "Help")
        game.Help();
    else if (name == "Credits")
        game.Credits();
    else if (name == "Submit")
        game.Submit();
    else if (name == "click")
        game.LetterClick(index);
    else if (name == "hover")
        game.LetterMouseMove(index);
    else if (name == "solve")
        solve(game);
    else
        throw std::runtime_error("unknown event: " + event);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::cerr << "usage: modeltrace PHRASEFILE SECONDS FRAME SIZES SCRIPT\n";
        return 2;
    }
    try {
        std::optional<std::string> bytes;
        if (std::string(argv[1]) != "-") {
            std::ifstream file(argv[1], std::ios::binary);
            bytes.emplace(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
        const float seconds = std::stof(argv[2]);
        FixedFrame window;
        std::istringstream frame(argv[3]);
        char comma = 0;
        frame >> window.geometry.outerWidth >> comma >> window.geometry.outerHeight >> comma
            >> window.geometry.top >> comma >> window.geometry.innerWidth >> comma
            >> window.geometry.innerHeight;

        RecordedMeasure measure;
        std::ifstream sizes(argv[4]);
        int face = 0;
        double points = 0;
        TwipSize size{};
        std::string caption;
        while (sizes >> face >> points >> size.width >> size.height >> caption)
            measure.sizes[{face, points, codeUnits(caption)}] = size;

        Game game(
            measure, window, [&bytes] { return bytes; }, [seconds] { return seconds; });
        std::ifstream script(argv[5]);
        std::string event;
        while (std::getline(script, event)) {
            play(game, event);
            std::cout << "after " << event << '\n';
            printState(game);
        }
    } catch (const std::exception &error) {
        std::cerr << "modeltrace: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
