#include "GameState.h"
#include "Twips.h"
#include "VarsMonitor.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace korbo;

namespace {

struct VarsMonitorTest : ::testing::Test {
    GameState state;
    void SetUp() override
    {
        for (int c = 1; c <= CategoryCount; ++c)
            state.catName[c] = categoryName(c);
    }
    static QString text(const VarsMonitor &m, const char *name)
    {
        const auto *label = m.findChild<QLabel *>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    static void clickUpdate(VarsMonitor &m)
    {
        QTest::mouseClick(m.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    }
};

TEST_F(VarsMonitorTest, WindowAndControlsSitWhereTheyShould)
{
    VarsMonitor m(state);
    EXPECT_EQ(m.objectName(), QStringLiteral("varsMonitor"));
    EXPECT_EQ(m.windowTitle(), QStringLiteral("VarsMonitor"));
    EXPECT_TRUE(m.isWindow());
    EXPECT_EQ(m.size(), pxSize(5085, 6330));
    EXPECT_EQ(m.minimumSize(), m.maximumSize()); // the border does not resize

    const struct { const char *name; const char *text; int left, top, height; } labels[] = {
        {"Label7", "Throw", 180, 180, 315},
        {"Label2", "Go", 180, 660, 315},
        {"Label3", "playergo", 180, 1140, 315},
        {"Label4", "FLAG", 180, 1620, 315},
        {"labelthrow", nullptr, 1020, 180, 315},
        {"Labelgo", nullptr, 1020, 660, 315},
        {"Labelplayergo", nullptr, 1020, 1140, 315},
        {"Labelflag", nullptr, 1080, 1620, 315},
        {"Label1", "PC Catagory Evaluation", 2100, 180, 255},
    };
    for (const auto &l : labels) {
        const auto *label = m.findChild<QLabel *>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->x(), px(l.left)) << l.name;
        EXPECT_EQ(label->y(), px(l.top)) << l.name;
        EXPECT_EQ(label->height(), px(l.height)) << l.name;
        EXPECT_LE(label->geometry().right(), m.width()) << l.name;
        if (l.text) {
            EXPECT_EQ(label->text(), QLatin1String(l.text)) << l.name;
            // The whole caption shows.
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << l.name;
        }
    }

    const auto *update = m.findChild<QPushButton *>(QStringLiteral("Command1"));
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update, m.command1());
    EXPECT_EQ(update->text(), QStringLiteral("Update"));
    EXPECT_EQ(update->geometry(), pxRect(60, 2820, 1395, 375));
}

TEST_F(VarsMonitorTest, FourteenCategoryRows)
{
    VarsMonitor m(state);
    const struct { int row; int top; } rows[] = {{1, 480}, {2, 840}, {7, 2640}, {13, 4800}, {14, 5160}};
    for (const auto &r : rows) {
        const auto *name = m.findChild<QLabel *>(QStringLiteral("LabCatPC%1").arg(r.row));
        const auto *value = m.findChild<QLabel *>(QStringLiteral("LabCatPCval%1").arg(r.row));
        ASSERT_NE(name, nullptr) << r.row;
        ASSERT_NE(value, nullptr) << r.row;
        EXPECT_EQ(name, m.labCatPC(r.row));
        EXPECT_EQ(value, m.labCatPCval(r.row));
        EXPECT_EQ(name->geometry(), pxRect(2100, r.top, 1035, 255)) << r.row;
        EXPECT_EQ(value->geometry(), pxRect(3360, r.top, 915, 255)) << r.row;
        EXPECT_LE(name->geometry().bottom(), m.height());
    }
    EXPECT_EQ(m.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^LabCatPC\\d+$"))).size(), 14);
    EXPECT_EQ(m.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^LabCatPCval\\d+$"))).size(), 14);
}

TEST_F(VarsMonitorTest, BeforeAnyGameEverythingIsZero)
{
    VarsMonitor m(state);
    const struct { const char *name; const char *text; } expected[] = {
        {"labelthrow", " 0"}, {"Labelgo", " 0"}, {"Labelplayergo", " 0"}, {"Labelflag", "False"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(text(m, e.name), QLatin1String(e.text)) << e.name;
    for (int c = 1; c <= CategoryCount; ++c)
        EXPECT_EQ(m.labCatPCval(c)->text(), QStringLiteral("0")) << c;
}

TEST_F(VarsMonitorTest, ShowsASnapshotUntilUpdate)
{
    VarsMonitor m(state);
    state.throwNo = 3;
    state.roundNo = 12;
    state.curPlayer = 2;
    state.busy = true;
    state.catEval[Korbo] = 60;
    state.catEval[Twins] = 20;

    const struct { const char *name; const char *before; const char *after; } expected[] = {
        {"labelthrow", " 0", " 3"},
        {"Labelgo", " 0", " 12"},
        {"Labelplayergo", " 0", " 2"},
        {"Labelflag", "False", "true"},
        {"LabCatPCval14", "0", "60"},
        {"LabCatPCval8", "0", "20"},
        {"LabCatPCval1", "0", "0"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(text(m, e.name), QLatin1String(e.before)) << e.name;
    clickUpdate(m);
    for (const auto &e : expected)
        EXPECT_EQ(text(m, e.name), QLatin1String(e.after)) << e.name;

    // And back: the flag goes to "False" again on the next Update only.
    state.busy = false;
    EXPECT_EQ(text(m, "Labelflag"), QStringLiteral("true"));
    m.Command1Click();
    EXPECT_EQ(text(m, "Labelflag"), QStringLiteral("False"));
}

TEST_F(VarsMonitorTest, NumbersCarryABlankOrTheirMinusSign)
{
    const struct { int value; const char *text; } cases[] = {
        {0, " 0"}, {3, " 3"}, {14, " 14"}, {-1, "-1"}, {-12, "-12"}, {32767, " 32767"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(VarsMonitor::signedText(c.value), QLatin1String(c.text)) << c.value;
        state.throwNo = static_cast<Int16>(c.value);
        state.roundNo = static_cast<Int16>(c.value);
        state.curPlayer = static_cast<Int16>(c.value);
        VarsMonitor m(state);
        for (const char *name : {"labelthrow", "Labelgo", "Labelplayergo"})
            EXPECT_EQ(text(m, name), QLatin1String(c.text)) << name << ' ' << c.value;
    }
    // Category values are plain numbers, without the blank.
    state.catEval[Quad] = -1;
    state.catEval[Flush] = 35;
    VarsMonitor m(state);
    EXPECT_EQ(m.labCatPCval(Quad)->text(), QStringLiteral("-1"));
    EXPECT_EQ(m.labCatPCval(Flush)->text(), QStringLiteral("35"));
}

TEST_F(VarsMonitorTest, CategoryNamesComeFromTheState)
{
    {
        VarsMonitor m(state);
        const struct { int row; const char *name; } rows[] = {
            {1, "Ones"}, {6, "Sixes"}, {7, "Quad"}, {9, "Triples"}, {13, "PotLuck"}, {14, "Korbo"},
        };
        for (const auto &r : rows)
            EXPECT_EQ(m.labCatPC(r.row)->text(), QLatin1String(r.name)) << r.row;
    }
    state.catName[3] = QStringLiteral("Drei");
    VarsMonitor m(state);
    EXPECT_EQ(text(m, "LabCatPC3"), QStringLiteral("Drei"));
}

TEST_F(VarsMonitorTest, ShowsAsItsOwnWindow)
{
    QWidget owner;
    auto *m = new VarsMonitor(state, &owner);
    EXPECT_TRUE(m->isWindow());
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_EQ(m->size(), pxSize(5085, 6330));
    clickUpdate(*m);
    EXPECT_EQ(m->labelflag()->text(), QStringLiteral("False"));
}

} // namespace
