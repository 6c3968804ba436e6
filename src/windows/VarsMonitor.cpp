#include "VarsMonitor.h"


#include "Game.h"

#include "GameState.h"
#include "Keyboard.h"
#include "Language.h"
#include "Twips.h"
#include "Widening.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace korbo {

namespace {

constexpr int kClientWidth = 5085, kClientHeight = 6330;

// Left column: a caption and its value on each line.
constexpr int kCaptionLeft = 180, kCaptionWidth = 795;
constexpr int kValueLeft = 1020, kFlagLeft = 1080, kValueWidth = 855;
constexpr int kLineHeight = 315;

// Right column: one row per category.
constexpr int kCatLeft = 2100, kCatWidth = 1035;
constexpr int kCatValLeft = 3360, kCatValWidth = 915;
constexpr int kRowTop = 480, kRowStep = 360, kRowHeight = 255;

QLabel *label(QWidget *parent, const QString &name, int left, int top, int width, int height,
              const char *caption = nullptr)
{
    auto *l = new QLabel(parent);
    if (caption)
        ShowTranslated(l, "text", "korbo::VarsMonitor", caption);
    l->setObjectName(name);
    l->setGeometry(pxRect(left, top, width, height));
    return l;
}

} // namespace

VarsMonitor::VarsMonitor(const Game &game, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_game(game)
{
    setObjectName(QStringLiteral("varsMonitor"));
    AnswerStandardKeys(this);
    ShowTranslated(this, "windowTitle", "korbo::VarsMonitor", QT_TRANSLATE_NOOP("korbo::VarsMonitor", "VarsMonitor"));
    setFixedSize(pxSize(kClientWidth, kClientHeight));

    label(this, QStringLiteral("Label7"), kCaptionLeft, 180, kCaptionWidth, kLineHeight,
          QT_TRANSLATE_NOOP("korbo::VarsMonitor", "Throw"));
    m_labelthrow = label(this, QStringLiteral("labelthrow"), kValueLeft, 180, kValueWidth, kLineHeight);
    label(this, QStringLiteral("Label2"), kCaptionLeft, 660, kCaptionWidth, kLineHeight,
          QT_TRANSLATE_NOOP("korbo::VarsMonitor", "Go"));
    m_labelgo = label(this, QStringLiteral("Labelgo"), kValueLeft, 660, kValueWidth, kLineHeight);
    label(this, QStringLiteral("Label3"), kCaptionLeft, 1140, kCaptionWidth, kLineHeight,
          QT_TRANSLATE_NOOP("korbo::VarsMonitor", "playergo"));
    m_labelplayergo = label(this, QStringLiteral("Labelplayergo"), kValueLeft, 1140, kValueWidth, kLineHeight);
    label(this, QStringLiteral("Label4"), kCaptionLeft, 1620, kCaptionWidth, kLineHeight,
          QT_TRANSLATE_NOOP("korbo::VarsMonitor", "FLAG"));
    m_labelflag = label(this, QStringLiteral("Labelflag"), kFlagLeft, 1620, kValueWidth, kLineHeight);

    m_command1 = new QPushButton(this);
    ShowTranslated(m_command1, "text", "korbo::VarsMonitor", QT_TRANSLATE_NOOP("korbo::VarsMonitor", "Update"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(pxRect(60, 2820, 1395, 375));
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &VarsMonitor::Command1Click);

    // The heading runs on past the value column so its whole text shows.
    label(this, QStringLiteral("Label1"), kCatLeft, 180, kClientWidth - kCatLeft - 60, kRowHeight,
          QT_TRANSLATE_NOOP("korbo::VarsMonitor", "PC Catagory Evaluation"));
    for (int i = 1; i <= CategoryCount; ++i) {
        const int top = kRowTop + (i - 1) * kRowStep;
        m_labCatPC[i] = label(this, QStringLiteral("LabCatPC%1").arg(i), kCatLeft, top, kCatWidth, kRowHeight);
        m_labCatPC[i]->setProperty("index", i);
        m_labCatPCval[i] = label(this, QStringLiteral("LabCatPCval%1").arg(i), kCatValLeft, top,
                                 kCatValWidth, kRowHeight);
        m_labCatPCval[i]->setProperty("index", i);
    }

    Command1Click();
    WidenForTexts(this);
}

QString VarsMonitor::signedText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

void VarsMonitor::Command1Click()
{
    m_labelthrow->setText(signedText(m_game.state().throwNo));
    m_labelgo->setText(signedText(m_game.state().roundNo));
    m_labelplayergo->setText(signedText(m_game.state().curPlayer));
    // Spelled so, small "true" and capital "False".
    m_labelflag->setText(m_game.busy() ? QCoreApplication::translate("korbo::VarsMonitor", "true")
                                       : QCoreApplication::translate("korbo::VarsMonitor", "False"));
    for (int i = 1; i <= CategoryCount; ++i) {
        m_labCatPC[i]->setText(categoryName(i));
        m_labCatPCval[i]->setText(QString::number(m_game.categoryValues()[i], 'g', 4));
    }
}

} // namespace korbo
