#include "GameState.h"
#include "VarsMonitor.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace korbo;

namespace {

QString text(const VarsMonitor &m, const char *name)
{
    const auto *label = m.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

// The monitor shows a snapshot of the state and changes only when Update is pressed;
// counters carry a blank where a minus sign would go, category values do not.
TEST(VarsMonitor, ShowsASnapshotUntilUpdate)
{
    GameState state;
    VarsMonitor m(state);
    state.throwNo = 3;
    state.roundNo = -12;
    state.busy = true;
    state.catEval[Korbo] = 60;
    state.catEval[Quad] = -1;

    const struct { const char *name; const char *before; const char *after; } rows[] = {
        {"labelthrow", " 0", " 3"},      // a blank before a positive counter
        {"Labelgo", " 0", "-12"},        // the minus sign takes the blank's place
        {"Labelflag", "False", "true"},  // the flag's two spellings
        {"LabCatPCval14", "0", "60"},    // category values without the blank
        {"LabCatPCval7", "0", "-1"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(text(m, r.name), QLatin1String(r.before)) << r.name;
    QTest::mouseClick(m.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    for (const auto &r : rows)
        EXPECT_EQ(text(m, r.name), QLatin1String(r.after)) << r.name;
}

} // namespace
