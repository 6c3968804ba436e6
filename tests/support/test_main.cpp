#include <gtest/gtest.h>

#include "Language.h"

#include <QApplication>

// Every test program runs inside a QApplication so widgets, timers and coroutine
// waits behave as they do in the game. CTest sets QT_QPA_PLATFORM=offscreen. The
// tests speak English whatever the machine's language, with English plural forms.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korbo::UseLanguage(QStringLiteral("en"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
