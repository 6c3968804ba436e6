#include "VarsMonitor.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

using namespace korbo;

namespace {

// The monitor shows a snapshot of the state and changes only when Update is pressed;
// counters carry a blank where a minus sign would go, category values do not, and the
// flag has its two spellings.
TEST(VarsMonitor, ShowsASnapshotUntilUpdate)
{
    GameState state;
    VarsMonitor m(state);
    state.throwNo = 3;
    state.roundNo = -12;
    state.busy = true;
    state.catEval[Korbo] = 60;
    const auto shown = [&] {
        return QStringList{m.labelthrow()->text(), m.labelgo()->text(), m.labelflag()->text(), m.labCatPCval(Korbo)->text()};
    };
    EXPECT_EQ(shown(), (QStringList{" 0", " 0", "False", "0"}));
    m.command1()->click();
    EXPECT_EQ(shown(), (QStringList{" 3", "-12", "true", "60"}));
}

} // namespace
