// The 16 x 16 glyphs: the options menu icons (menu0 ... menu10, by their
// index in the menu's image list), the pictures of the flat buttons along
// the bottom of the main window and those of the element card's buttons.
// They are drawn pixel by pixel in the letters of paletteColour(), in the
// classic desktop manner: a dark outline, light from the top left.
#include "assets.h"

#include <QList>

#include <cstring>

namespace assets {
namespace {

QImage mirrored(const QImage &image)
{
    return image.mirrored(true, false);
}

// Turns a silhouette ('#') into a glyph: a black outline, a face lit
// from the top left, and holes (inner gaps) whose rims are lit the other way.
QImage outlinedShape(char face, char light, char shade, std::initializer_list<const char *> rows)
{
    const int height = int(rows.size());
    const int width = int(std::strlen(*rows.begin()));
    QList<QByteArray> mask;
    for (const char *row : rows)
        mask.append(QByteArray(row));
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && mask[y][x] == '#';
    };
    // the outside: every gap reachable from the border
    QList<QList<bool>> outside(height, QList<bool>(width, false));
    QList<QPoint> todo;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x == 0 || y == 0 || x == width - 1 || y == height - 1) && !solid(x, y))
                todo.append({x, y});
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height || solid(p.x(), p.y()) || outside[p.y()][p.x()])
            continue;
        outside[p.y()][p.x()] = true;
        todo.append({{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    auto isOutside = [&](int x, int y) {
        return x < 0 || y < 0 || x >= width || y >= height || outside[y][x];
    };
    auto edge = [&](int x, int y) {
        return solid(x, y) && (!solid(x - 1, y) || !solid(x + 1, y) || !solid(x, y - 1) || !solid(x, y + 1));
    };
    auto outerEdge = [&](int x, int y) {
        return edge(x, y) && (isOutside(x - 1, y) || isOutside(x + 1, y) || isOutside(x, y - 1) || isOutside(x, y + 1));
    };
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!solid(x, y))
                continue;
            char key = face;
            if (edge(x, y))
                key = 'K';
            else if (outerEdge(x - 1, y) || outerEdge(x, y - 1))
                key = light;
            else if (outerEdge(x + 1, y) || outerEdge(x, y + 1))
                key = shade;
            else if (edge(x + 1, y) || edge(x, y + 1))
                key = light; // the hole's far rim catches the light
            else if (edge(x - 1, y) || edge(x, y - 1))
                key = shade;
            image.setPixelColor(x, y, paletteColour(key));
        }
    return image;
}

} // namespace

QList<Glyph> glyphs()
{
    QList<Glyph> list;

    // 0: clock
    list.append({"menu0", pixelArt({
        ".....nnnnn......",
        "...nnbbbbbnn....",
        "..nbbwwnwwbbn...",
        ".nbwwwwKwwwwbn..",
        ".nbwwwwKwwwwbn..",
        "nbwwwwwKwwwwwbn.",
        "nbwwwwwKwwwwwbn.",
        "nbnwwwwRKKKwnbn.",
        "nbwwwwwwwwwwsbn.",
        "nbwwwwwwwwwwsbn.",
        ".nbwwwwwwwwsbn..",
        ".nbwwwwwwwssbn..",
        "..nbbwwnwsbbn...",
        "...nnbbbbbnn....",
        ".....nnnnn......",
        "................",
    })});

    // 1: tools (a toolbox)
    list.append({"menu1", pixelArt({
        "................",
        "................",
        ".....KKKKKK.....",
        "....KwsssssK....",
        "....KsK..KgK....",
        ".KKKKKKKKKKKKKK.",
        "KPPPPPPPPPPPPPrK",
        "KPRRRRRRRRRRRRrK",
        "KKKKKKKwsKKKKKKK",
        "KPRRRRRsgRRRRRrK",
        "KPRRRRRRRRRRRRrK",
        "KPRRRRRRRRRRRRrK",
        "KPRRRRRRRRRRRRrK",
        "KrrrrrrrrrrrrrrK",
        "KKKKKKKKKKKKKKKK",
        "................",
    })});

    // 2: calculator
    list.append({"menu2", pixelArt({
        "..KKKKKKKKKKKK..",
        "..KwwwwwwwwwsK..",
        "..KwKKKKKKKKgK..",
        "..KwKGGGGGGKgK..",
        "..KwKGGGeGeKgK..",
        "..KwKKKKKKKKgK..",
        "..KwssssssssgK..",
        "..KwnnsnnsRRgK..",
        "..KwssssssssgK..",
        "..KwnnsnnsnngK..",
        "..KwssssssssgK..",
        "..KwnnsnnsnngK..",
        "..KwssssssssgK..",
        "..KwnnsnnsnngK..",
        "..KggggggggggK..",
        "..KKKKKKKKKKKK..",
    })});

    // 3: notepad
    list.append({"menu3", pixelArt({
        "....s.s.s.s.s...",
        "..KKsKsKsKsKsK..",
        "..KnsnsnsnsnsK..",
        "..KnnnnnnnnnnK..",
        "..KKKKKKKKKKKK..",
        "..KwwwwwwwwwwK..",
        "..KwggggggggwK..",
        "..KwwwwwwwwwwK..",
        "..KwgggggggwwK..",
        "..KwwwwwwwwwwK..",
        "..KwggggggggwK..",
        "..KwwwwwwwwwwK..",
        "..KwgggggwwwwK..",
        "..KwwwwwwwwwwK..",
        "..KKKKKKKKKKKK..",
        "................",
    })});

    // 4: loudspeaker
    list.append({"menu4", pixelArt({
        "................",
        "................",
        "......K.........",
        ".....KK......n..",
        "....KwK...n...n.",
        "KKKKwsK....n..n.",
        "KwwwssK.n..n...n",
        "KwsssgK.n..n...n",
        "KwsssgK.n..n...n",
        "KsgggsK.n..n...n",
        "KKKKgsK....n..n.",
        "....KgK...n...n.",
        ".....KK......n..",
        "......K.........",
        "................",
        "................",
    })});

    // 5: help
    list.append({"menu5", pixelArt({
        ".....nnnnnn.....",
        "...nnbbbbbbnn...",
        "..nbllbbbbbbbn..",
        ".nblbbwwwwbbbbn.",
        ".nlbbwwbbwwbbbn.",
        "nblbbbbbbwwbbbbn",
        "nbbbbbbbwwbbbbbn",
        "nbbbbbbwwbbbbbbn",
        "nbbbbbbwwbbbbbbn",
        "nbbbbbbbbbbbbbbn",
        "nbbbbbbwwbbbbbbn",
        ".nbbbbbwwbbbbbn.",
        ".nbbbbbbbbbbbbn.",
        "..nbbbbbbbbbbn..",
        "...nnbbbbbbnn...",
        ".....nnnnnn.....",
    })});

    // 6: speech bubble (tooltips)
    list.append({"menu6", pixelArt({
        "................",
        "................",
        ".KKKKKKKKKKKKKK.",
        "KvvvvvvvvvvvvvvK",
        "KvggggggggggvvvK",
        "KvvvvvvvvvvvvvvK",
        "KvggggggvggggvvK",
        "KvvvvvvvvvvvvvvK",
        "KvgggggggggvvvvK",
        "KvvvvvvvvvvvvvvK",
        ".KKKvvKKKKKKKKK.",
        "...KvK..........",
        "...KK...........",
        "...K............",
        "................",
        "................",
    })});

    // 7: animation (a film strip of a bouncing ball)
    list.append({"menu7", pixelArt({
        "................",
        "................",
        "KKKKKKKKKKKKKKKK",
        "KwKKwKKwKKwKKwKK",
        "KKKKKKKKKKKKKKKK",
        "KllllllKllllllKl",
        "KllllllKllRRllKl",
        "KllllllKllRRllKl",
        "KlRRlllKllllllKl",
        "KlRRlllKllllllKl",
        "KEEEEEEKEEEEEEKE",
        "KKKKKKKKKKKKKKKK",
        "KwKKwKKwKKwKKwKK",
        "KKKKKKKKKKKKKKKK",
        "................",
        "................",
    })});

    // 8: SI prefixes ("kM" over a ruler)
    list.append({"menu8", pixelArt({
        "................",
        ".nn.....rr...rr.",
        ".nn.....rrr.rrr.",
        ".nn.nn..rrrrrrr.",
        ".nnnn...rr.r.rr.",
        ".nnn....rr...rr.",
        ".nnnn...rr...rr.",
        ".nn.nn..rr...rr.",
        "................",
        ".KKKKKKKKKKKKKK.",
        "KYKYKYKYKYKYKYYK",
        "KYKYYYKYYYKYYYYK",
        "KYYYYYYYYYYYYYYK",
        "KyyyyyyyyyyyyyyK",
        ".KKKKKKKKKKKKKK.",
        "................",
    })});

    // 9: physical constants (h and c chalked on a school board)
    list.append({"menu9", pixelArt({
        "................",
        "................",
        "mmmmmmmmmmmmmmmm",
        "mTTTTTTTTTTTTTtm",
        "mTqqqqqqqqqqqqtm",
        "mTqwwqqqqqqqqqtm",
        "mTqwwqqqqqqqqqtm",
        "mTqwwwwqqqwwwqtm",
        "mTqwwqwwqwwqqqtm",
        "mTqwwqwwqwwqqqtm",
        "mTqwwqwwqqwwwqtm",
        "mTqqqqqqqqqqqqtm",
        "mTttttttttwwtttm",
        "mmmmmmmmmmmmmmmm",
        "................",
        "................",
    })});

    // 10: about ("i")
    list.append({"menu10", pixelArt({
        ".....nnnnnn.....",
        "...nnwwwwwwnn...",
        "..nwwwwwwwwwwn..",
        ".nwwwwwbbwwwwhn.",
        ".nwwwwwbbwwwwhn.",
        "nwwwwwwwwwwwwwhn",
        "nwwwwwbbbwwwwwhn",
        "nwwwwwwbbwwwwwhn",
        "nwwwwwwbbwwwwwhn",
        "nwwwwwwbbwwwwwhn",
        "nwwwwwwbbwwwwhhn",
        ".nwwwwwbbwwwwhn.",
        ".nwwwwbbbbwwhhn.",
        "..nwwwwwwwwhhn..",
        "...nnhhhhhhnn...",
        ".....nnnnnn.....",
    })});

    // "Opcje": a gear
    list.append({"opcje", outlinedShape('S', 'h', 'x', {
        "................",
        "......####......",
        "..##..####..##..",
        "..############..",
        "...##########...",
        "...##########...",
        ".##############.",
        ".######..######.",
        ".######..######.",
        ".##############.",
        "...##########...",
        "...##########...",
        "..############..",
        "..##..####..##..",
        "......####......",
        "................",
    })});

    // "Czyść": a school eraser, rubber and sleeve
    list.append({"czysc", pixelArt({
        "................",
        "................",
        "................",
        "................",
        "....KKKKKKKKKKKK",
        "...KppppKllllKnK",
        "..KppppKllllKnnK",
        ".KKKKKKKKKKKKnnK",
        ".KPPPPKbbbbbKnnK",
        ".KPPPPKbbbbbKnnK",
        ".KPPPPKbbbbbKnK.",
        ".KPPPPKbbbbbKK..",
        ".KKKKKKKKKKKK...",
        "................",
        "................",
        "................",
    })});

    // " Wyjdź": an open door and an arrow going out
    list.append({"wyjdz", pixelArt({
        "................",
        "KKKKKKKKK.......",
        "KTKdddddK.......",
        "KTtKddddK.......",
        "KTttKdddK..K....",
        "KTttKdddK..KK...",
        "KTttKdddK..KEK..",
        "KTttKKKKKKKKEEK.",
        "KTtYKEEEEEEEEEEK",
        "KTttKeeeeeeeeeeK",
        "KTttKKKKKKKKeeK.",
        "KTttKdddK..KeK..",
        "KTttKdddK..KK...",
        "KTtKddddK..K....",
        "KTKdddddK.......",
        "KKKKKKKKK.......",
    })});

    // "Drukuj...": a printer
    list.append({"drukuj", pixelArt({
        "................",
        "....KKKKKKKK....",
        "....KwwwwwwK....",
        "....KwggggwK....",
        "....KwwwwwwK....",
        "..KKKwggggwKKK..",
        ".KwwwwwwwwwwwgK.",
        "KKKKKKKKKKKKKKKK",
        "KwsssssssssssEgK",
        "KwssssssssssssgK",
        "KwsKKKKKKKKKKsgK",
        "KggKwwwwwwwwKggK",
        "KKKKwggggggwKKKK",
        "...KwwwwwwwwK...",
        "...KKKKKKKKKK...",
        "................",
    })});

    // "Następny" and "Poprzedni": arrows
    const QImage next = pixelArt({
        "................",
        "........K.......",
        "........KK......",
        "........KlK.....",
        "........KllK....",
        "..KKKKKKKlllK...",
        "..KllllllllllK..",
        "..KbbbbbbbbbbbK.",
        "..KbbbbbbbbbbbK.",
        "..KnnnnnnnnnnK..",
        "..KKKKKKKnnnK...",
        "........KnnK....",
        "........KnK.....",
        "........KK......",
        "........K.......",
        "................",
    });
    list.append({"nastepny", next});
    list.append({"poprzedni", mirrored(next)});

    return list;
}

} // namespace assets
