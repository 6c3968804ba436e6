#include "Artwork.h"
#include "GameState.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

using namespace korbo;

namespace {

const char *const StyleNames[] = {"Standard", "Traditional", "Ladybirds", "Rainbow", "Buttons", "Photo"};

double luminance(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }
int lowestChannel(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}); }
bool opaque(QRgb c) { return qAlpha(c) > 200; }
bool dark(QRgb c) { return opaque(c) && luminance(c) < 90; }

// How colourful a picture is: its mean chroma (highest channel less lowest), weighted by alpha.
double chroma(const QImage &picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    double sum = 0, weight = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            weight += qAlpha(c) / 255.0;
            sum += qAlpha(c) / 255.0 * (std::max({qRed(c), qGreen(c), qBlue(c)}) - lowestChannel(c));
        }
    return weight > 0 ? sum / weight : 0;
}

// What makes a patch of a face a pip, style by style.
struct PipRules {
    bool (*ink)(QRgb);
    bool erode = false;       // 3x3 erosions (one per unit of pixel ratio) before counting
    double minArea = 0.004;   // of the picture's area
    double minCentreY = 0.0;  // patches centred higher than this are not pips
    bool skipEdges = false;   // nor are patches touching the border
};

const PipRules StylePips[] = {
    {dark},
    // black pips, and red ones on the one and the four
    {[](QRgb c) { return dark(c) || (opaque(c) && qRed(c) > 120 && qGreen(c) < 80 && qBlue(c) < 80); }},
    // black spots; the seam between the wing cases is thin and erodes away, the head
    // sits above every spot
    {[](QRgb c) { return opaque(c) && luminance(c) < 40; }, true, 0.002, 0.22},
    {[](QRgb c) { return opaque(c) && lowestChannel(c) > 205; }}, // white pips on a coloured face
    {[](QRgb c) { return qAlpha(c) < 40; }, false, 0.004, 0.0, true}, // holes right through the button
    {[](QRgb c) { return opaque(c) && lowestChannel(c) > 170; }, false, 0.01}, // white pips, black body
};

// Counts the pips of a die face in the style's rules: patches of "ink" neither too
// small nor wider than 45 % of the face.
int countPips(const QImage &picture, const PipRules &rules, qreal dpr)
{
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    std::vector<char> ink(w * h);
    for (int i = 0; i < w * h; ++i)
        ink[i] = rules.ink(img.pixel(i % w, i / w));
    for (int pass = 0; rules.erode && pass < qRound(dpr); ++pass) {
        std::vector<char> kept(ink.size(), 0);
        for (int i = 0; i < w * h; ++i) {
            bool all = i % w > 0 && i % w + 1 < w && i / w > 0 && i / w + 1 < h;
            for (int k = 0; k < 9 && all; ++k)
                all = ink[i + (k / 3 - 1) * w + k % 3 - 1];
            kept[i] = all;
        }
        ink.swap(kept);
    }
    int count = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!ink[start])
            continue;
        int area = 0, minX = w, maxX = 0, minY = h, maxY = 0;
        double sumY = 0;
        stack.assign(1, start);
        ink[start] = 0;
        while (!stack.empty()) {
            const int i = stack.back(), x = i % w, y = i / w;
            stack.pop_back();
            ++area;
            sumY += y;
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
            for (int j : {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, i - w, i + w})
                if (j >= 0 && j < w * h && ink[j]) {
                    ink[j] = 0;
                    stack.push_back(j);
                }
        }
        const bool edge = minX == 0 || minY == 0 || maxX == w - 1 || maxY == h - 1;
        count += !(rules.skipEdges && edge) && area >= rules.minArea * w * h && maxX - minX + 1 <= 0.45 * w
                 && maxY - minY + 1 <= 0.45 * h && sumY / area >= rules.minCentreY * h;
    }
    return count;
}

const qreal PixelRatios[] = {1.0, 1.5, 2.0};

// A five once lost a pip. Each style's pips are found by that style's own rules, so a
// style drawn in another's look fails here too.
TEST(Artwork, EveryFaceShowsItsNumberOfPips)
{
    for (qreal dpr : PixelRatios)
        for (int style = 1; style <= 6; ++style)
            for (int face = 1; face <= 6; ++face)
                EXPECT_EQ(countPips(artwork::dieFace(style, face, 48, dpr), StylePips[style - 1], dpr), face)
                    << StyleNames[style - 1] << " face " << face << " at " << dpr;
}

// The design lets a used picture be dimmed with or without a shift, so only the dimming
// is checked.
TEST(Artwork, UsedCategoriesAreDimmed)
{
    for (qreal dpr : PixelRatios)
        for (int c = 1; c <= CategoryCount; ++c) {
            const QSize size = artwork::categoryPictureSize(c);
            EXPECT_LT(chroma(artwork::categoryPicture(c, true, size, dpr)),
                      chroma(artwork::categoryPicture(c, false, size, dpr)) * 0.6)
                << "category " << c << " at " << dpr << " should be greyer when used";
        }
}

} // namespace
