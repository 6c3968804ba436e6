#include "Artwork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

using namespace korbo;

namespace {

const char *const StyleNames[] = {"Standard", "Traditional", "Ladybirds",
                                  "Rainbow",  "Buttons",     "Photo"};

QImage plain(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

double luminance(QRgb c)
{
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

struct Summary {
    double r = 0, g = 0, b = 0;  // alpha weighted mean colour
    double chroma = 0;           // alpha weighted mean of max - min channel
};

Summary summarise(const QImage &picture)
{
    const QImage img = plain(picture);
    Summary s;
    double weight = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            const double a = qAlpha(c) / 255.0;
            if (a == 0)
                continue;
            weight += a;
            s.r += a * qRed(c);
            s.g += a * qGreen(c);
            s.b += a * qBlue(c);
            s.chroma += a * (std::max({qRed(c), qGreen(c), qBlue(c)})
                             - std::min({qRed(c), qGreen(c), qBlue(c)}));
        }
    if (weight > 0) {
        for (double *v : {&s.r, &s.g, &s.b, &s.chroma})
            *v /= weight;
    }
    return s;
}

double colourDistance(const Summary &a, const Summary &b)
{
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g)
                     + (a.b - b.b) * (a.b - b.b));
}

// Mean absolute difference per channel (alpha included) of two same-sized pictures.
double meanDifference(const QImage &first, const QImage &second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

// How sharp the edges are: mean squared step between neighbouring pixels of the
// picture composed onto black.
double sharpness(const QImage &picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto value = [&](int x, int y) { return luminance(img.pixel(x, y)); };
    double sum = 0;
    int n = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            const double dx = value(x + 1, y) - value(x, y);
            const double dy = value(x, y + 1) - value(x, y);
            sum += dx * dx + dy * dy;
            ++n;
        }
    return sum / n;
}

struct BlobRules {
    std::function<bool(QRgb)> ink;
    int erode = 0;                 // 3x3 erosions before counting
    double minArea = 0.004;        // of the picture's area
    double maxExtent = 0.45;       // of the picture's width and height
    double minCentreY = 0.0;       // blobs centred higher than this are ignored
    bool skipEdgeBlobs = false;    // blobs touching the border are not counted
};

// Counts the connected patches of "ink" pixels: the pips on a face.
int countBlobs(const QImage &picture, const BlobRules &rules)
{
    const QImage img = plain(picture);
    const int w = img.width(), h = img.height();
    std::vector<char> mask(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask[y * w + x] = rules.ink(img.pixel(x, y)) ? 1 : 0;
    for (int pass = 0; pass < rules.erode; ++pass) {
        std::vector<char> next(mask.size(), 0);
        for (int y = 1; y + 1 < h; ++y)
            for (int x = 1; x + 1 < w; ++x) {
                bool all = true;
                for (int dy = -1; dy <= 1 && all; ++dy)
                    for (int dx = -1; dx <= 1 && all; ++dx)
                        all = mask[(y + dy) * w + x + dx];
                next[y * w + x] = all;
            }
        mask.swap(next);
    }
    int count = 0;
    std::vector<char> seen(mask.size(), 0);
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!mask[start] || seen[start])
            continue;
        int area = 0, minX = w, maxX = 0, minY = h, maxY = 0;
        double sumY = 0;
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int x = i % w, y = i / w;
            ++area;
            sumY += y;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h)
                    continue;
                const int j = ny[k] * w + nx[k];
                if (mask[j] && !seen[j]) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        const bool touchesEdge = minX == 0 || minY == 0 || maxX == w - 1 || maxY == h - 1;
        if (rules.skipEdgeBlobs && touchesEdge)
            continue;
        if (area < rules.minArea * w * h)
            continue;
        if (maxX - minX + 1 > rules.maxExtent * w || maxY - minY + 1 > rules.maxExtent * h)
            continue;
        if (sumY / area < rules.minCentreY * h)
            continue;
        ++count;
    }
    return count;
}

bool dark(QRgb c)
{
    return qAlpha(c) > 200 && luminance(c) < 90;
}

bool redPip(QRgb c)
{
    return qAlpha(c) > 200 && qRed(c) > 120 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool whitePip(QRgb c)
{
    return qAlpha(c) > 200 && std::min({qRed(c), qGreen(c), qBlue(c)}) > 205;
}

// The rules that find the pips of each built-in style at a given pixel ratio.
BlobRules pipRules(int style, qreal dpr)
{
    BlobRules r;
    switch (style) {
    case 2:  // black pips, and red ones on the one and the four
        r.ink = [](QRgb c) { return dark(c) || redPip(c); };
        break;
    case 3:  // black spots; the seam between the wing cases is thin and erodes away,
             // the head sits above every spot
        r.ink = [](QRgb c) { return qAlpha(c) > 200 && luminance(c) < 40; };
        r.erode = qRound(dpr);
        r.minArea = 0.002;
        r.minCentreY = 0.22;
        break;
    case 4:  // white pips on a coloured face
        r.ink = whitePip;
        break;
    case 5:  // holes cut right through the button
        r.ink = [](QRgb c) { return qAlpha(c) < 40; };
        r.skipEdgeBlobs = true;
        break;
    case 6:  // white pips in a black body
        r.ink = [](QRgb c) { return qAlpha(c) > 200 && std::min({qRed(c), qGreen(c), qBlue(c)}) > 170; };
        r.minArea = 0.01;
        break;
    default:
        r.ink = dark;
        break;
    }
    return r;
}

const qreal PixelRatios[] = {1.0, 1.5, 2.0};

// ---------------------------------------------------------------------------

class ArtworkAtRatio : public ::testing::TestWithParam<qreal> {};

// A five once lost a pip.
TEST_P(ArtworkAtRatio, EveryFaceShowsItsNumberOfPips)
{
    const qreal dpr = GetParam();
    for (int style = 1; style <= 6; ++style)
        for (int face = 1; face <= 6; ++face) {
            SCOPED_TRACE(testing::Message() << StyleNames[style - 1] << " face " << face);
            EXPECT_EQ(countBlobs(artwork::dieFace(style, face, 48, dpr), pipRules(style, dpr)), face);
        }
}

// The design lets a used picture be dimmed with or without a shift, so only the dimming
// is checked.
TEST_P(ArtworkAtRatio, UsedCategoriesAreDimmed)
{
    const qreal dpr = GetParam();
    for (int c = 1; c <= 14; ++c) {
        const QSize size = artwork::categoryPictureSize(c);
        EXPECT_LT(summarise(artwork::categoryPicture(c, true, size, dpr)).chroma,
                  summarise(artwork::categoryPicture(c, false, size, dpr)).chroma * 0.6)
            << "category " << c << " should be greyer when used";
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ArtworkAtRatio, ::testing::ValuesIn(PixelRatios));

class ArtworkAtHighRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(ArtworkAtHighRatio, DrawnNativelyNotScaledUp)
{
    const qreal dpr = GetParam();
    struct Case {
        const char *what;
        std::function<QImage(qreal)> draw;
    };
    const Case cases[] = {
        {"photo three", [](qreal r) { return artwork::dieFace(6, 3, 48, r); }},
        {"flush", [](qreal r) { return artwork::categoryPicture(12, false, {32, 32}, r); }},
        {"joker", [](qreal r) { return artwork::jokerPicture(32, r); }},
        {"logo", [](qreal r) { return artwork::logo({160, 80}, r); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QImage native = c.draw(dpr);
        const QImage one = c.draw(1.0);
        // The same drawing: shrunk back to 1x it matches the 1x picture closely...
        const QImage shrunk = native.scaledToWidth(one.width(), Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(shrunk, one), 9.0);
        // ...but it has sharper edges than the 1x picture blown up.
        const QImage blown = one.scaledToWidth(native.width(), Qt::SmoothTransformation);
        EXPECT_GT(sharpness(native), sharpness(blown) * 1.15);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ArtworkAtHighRatio, ::testing::Values(1.5, 2.0));

// ---------------------------------------------------------------------------

TEST(Artwork, TheSixStylesLookClearlyDifferent)
{
    std::array<Summary, 6> five;
    for (int style = 1; style <= 6; ++style)
        five[style - 1] = summarise(artwork::dieFace(style, 5, 48, 1.0));
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_GT(colourDistance(five[a], five[b]), 35.0)
                << StyleNames[a] << " and " << StyleNames[b] << " fives look alike";
}

} // namespace
