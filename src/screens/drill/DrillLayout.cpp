#include "screens/drill/DrillLayout.h"

#include "widgets/BuiltinPictures.h"
#include "widgets/NumberLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/Twips.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPalette>

#include <algorithm>

namespace DrillLayout {

DrillControl choiceButton(int choice)
{
    return DrillControl(int(DrillControl::ChoiceButton1) + choice - 1);
}

ScreenWindow::Design design()
{
    return {QStringLiteral("ドリル"), QStringLiteral("ドリル"), 11160, 7365, QColor(0, 128, 0), Builtin::DrillBackground};
}

const LayoutTable &table()
{
    using K = ControlKind;
    static const LayoutTable controls = {
        {{DrillControl::NextButton, "nextButton"}, K::Button, 9210, 4680, 870, 675, false, Builtin::NextButton, QStringLiteral("Next (Return, →, N)"), 7,
         QStringLiteral("次の問題")},
        {{DrillControl::EndButton, "endButton"}, K::Button, 9000, 420, 1080, 435, true, Builtin::DrillEndButton, QStringLiteral("Exit"), 6, QStringLiteral("終了")},
        {{DrillControl::ReturnButton, "returnButton"}, K::Button, 7670, 420, 1080, 435, true, Builtin::DrillReturnButton, QStringLiteral("Return (Esc)"), 5,
         QStringLiteral("戻る")},
        {{DrillControl::SettingsButton, "settingsButton"}, K::Button, 6330, 420, 1080, 435, true, Builtin::DrillSettingsButton,
         QStringLiteral("Establish of drill grade"), 4, QStringLiteral("設定")},
        // The choice buttons are one pixel taller than laid out (4710, 630), and start one pixel
        // higher, so that their 43-pixel pictures show whole; they still fill only the blue of
        // the answer box, between the rows of its frame.
        {{DrillControl::ChoiceButton4, "choiceButton4"}, K::Button, 6320, 4695, 660, 645, true, Builtin::choiceButton(4),
         QStringLiteral("Answer 4 (4)"), 3, QStringLiteral("解答４")},
        {{DrillControl::ChoiceButton3, "choiceButton3"}, K::Button, 5655, 4695, 660, 645, true, Builtin::choiceButton(3),
         QStringLiteral("Answer 3 (3)"), 2, QStringLiteral("解答３")},
        {{DrillControl::ChoiceButton2, "choiceButton2"}, K::Button, 5000, 4695, 660, 645, true, Builtin::choiceButton(2),
         QStringLiteral("Answer 2 (2)"), 1, QStringLiteral("解答２")},
        {{DrillControl::ChoiceButton1, "choiceButton1"}, K::Button, 4335, 4695, 660, 645, true, Builtin::choiceButton(1),
         QStringLiteral("Answer 1 (1)"), 0, QStringLiteral("解答１")},
        {{DrillControl::BonusBanner, "bonusBanner"}, K::Image, 3450, 2700, 4230, 1500, false, Builtin::BonusBanner, {}, -1,
         QStringLiteral("ボーナス　1000点")},
        {{DrillControl::Ring, "ring"}, K::Image, 1150, 2550, 600, 600, false, Builtin::Ring, {}, -1,
         QStringLiteral("正しい答えの印")},
        {{DrillControl::PassBanner, "passBanner"}, K::Image, 3000, 2600, 5130, 1695, false, Builtin::PassBanner, {}, -1,
         QStringLiteral("合格")},
        {{DrillControl::HalvingNotice, "halvingNotice"}, K::Image, 2700, 3100, 5925, 630, false, Builtin::HalvingNotice, {}, -1,
         QStringLiteral("得点が半分になります")},
        {{DrillControl::WrongMark, "wrongMark"}, K::Image, 4100, 1400, 3165, 3105, false, Builtin::WrongMark, {}, -1,
         QStringLiteral("不正解")},
        {{DrillControl::CorrectMark, "correctMark"}, K::Image, 4100, 1400, 2985, 2925, false, Builtin::CorrectMark, {}, -1,
         QStringLiteral("正解")},
        {{DrillControl::RunLabel, "runLabel"}, K::Label, 8340, 4740, 765, 510, true, {}, {}},
        {{DrillControl::ScoreLabel, "scoreLabel"}, K::Label, 1080, 4755, 1425, 555, true, {}, QStringLiteral("Point")},
        {{DrillControl::ScoreBox, "scoreBox"}, K::Image, 1050, 4680, 1950, 675, true, Builtin::ScoreBox, {}},
        {{DrillControl::RunBox, "runBox"}, K::Image, 7050, 4680, 2100, 675, true, Builtin::RunBox, QStringLiteral("Succession")},
        {{DrillControl::AnswerBox, "answerBox"}, K::Image, 3070, 4680, 3915, 675, true, Builtin::AnswerBox, QStringLiteral("Answer")},
        {{DrillControl::TitlePicture, "titlePicture"}, K::Image, 1065, 345, 4905, 555, true, {}, {}},
        {{DrillControl::ChoicesPicture, "choicesPicture"}, K::Image, 1245, 2625, 8670, 1695, true, Builtin::SampleChoices, {}},
        {{DrillControl::QuestionPicture, "questionPicture"}, K::Image, 1260, 1170, 8670, 855, true, {}, {}},
        {{DrillControl::Burst, "burst"}, K::Image, 8790, 5475, 1275, 1260, false, Builtin::Burst, {}, -1,
         QStringLiteral("割れた風船")},
        {{DrillControl::Train, "train"}, K::Image, 1065, 5475, 2700, 1260, true, Builtin::Train, {}},
        {{DrillControl::Board, "board"}, K::Image, 765, 225, 9600, 6900, true, Builtin::Board, {}},
    };
    return controls;
}

namespace {

// Where the Windows Mincho faces are missing, the first installed Mincho that draws every
// digit the labels may show takes their place; fontconfig's own fallback may pick a Gothic.
QFont chooseMincho(const QStringList &preferred, int pixelSize)
{
    static const QString digits = QStringLiteral("0123456789０１２３４５６７８９");
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString &family : preferred) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            continue;
        QFont candidate(family);
        candidate.setPixelSize(pixelSize);
        candidate.setBold(true);
        const QFontMetrics metrics(candidate);
        bool coversAll = true;
        for (const QChar c : digits)
            coversAll = coversAll && metrics.inFontUcs4(c.unicode());
        // The labels show digits alone: the first face that draws them all is the only one
        // they need, and the faces after it are never opened (each costs its file's pages).
        if (coversAll) {
            families.append(family);
            break;
        }
    }
    QFont font;
    font.setFamilies(families.isEmpty() ? preferred : families);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// The choice lists the installed families and checks glyphs, several milliseconds each time:
// made once per run for each request, as the installed fonts do not change while it runs.
QFont mincho(const QStringList &preferred, int pixelSize)
{
    static QHash<QPair<QStringList, int>, QFont> chosen;
    const QPair<QStringList, int> request(preferred, pixelSize);
    auto known = chosen.constFind(request);
    if (known == chosen.constEnd())
        known = chosen.insert(request, chooseMincho(preferred, pixelSize));
    return *known;
}

// Whether every score the drill can show, centred in a label this wide, keeps its ink
// ScoreMargin pixels clear of either side. The widest have five digits: the drill ends at
// 10000, or a little above 11000 when a bonus brings it there.
constexpr int ScoreMargin = 2;
bool scoreFits(const QFont &font, int labelWidth)
{
    const QFontMetricsF metrics(font);
    for (const char *start : {"10", "11"}) {
        for (char digit = '0'; digit <= '9'; ++digit) {
            const QString widest = QLatin1String(start) + QString(3, QLatin1Char(digit));
            const qreal left = (labelWidth - metrics.horizontalAdvance(widest)) / 2.0;
            const QRectF ink = metrics.tightBoundingRect(widest).translated(left, 0);
            if (ink.left() < ScoreMargin || ink.right() > labelWidth - ScoreMargin)
                return false;
        }
    }
    return true;
}

// Centres a label's digits on the middle of the box it stands on.
void centreOnBox(NumberLabel *label, const QWidget *box)
{
    label->setMiddle(box->y() + box->height() / 2.0 - label->y());
}

void styleLabel(QLabel *label, const QFont &font)
{
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label->setPalette(palette);
    label->setText(QString());
}

// The score label's font, found by trying sizes and faces against the widest scores.
QFont fitScoreFont()
{
    // 24 pt at 96 dpi, bold, in the first of these faces whose widest score fits the label;
    // where none does, a pixel smaller, as often as it takes. The Windows face fits as it is.
    const QStringList faces = {QStringLiteral("MS PMincho"), QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"),
                               QStringLiteral("IPAexMincho"), QStringLiteral("Noto Serif CJK JP")};
    const LayoutRow &label = *std::find_if(table().begin(), table().end(),
                                           [](const LayoutRow &row) { return row.key.index == int(DrillControl::ScoreLabel); });
    const int width = Twips::toPixels(label.width);
    const QFont designed = mincho(faces, 32);
    for (int pixelSize = designed.pixelSize(); pixelSize > 8; --pixelSize) {
        for (const QString &face : designed.families()) {
            QFont font = designed;
            font.setFamilies(QStringList{face} + designed.families());
            font.setPixelSize(pixelSize);
            if (scoreFits(font, width))
                return font;
        }
    }
    return designed;
}

} // namespace

QFont scoreFont()
{
    // Chosen once per run: the fitting tries many sizes, and the installed fonts stay as they are.
    static const QFont chosen = fitScoreFont();
    return chosen;
}

QFont runFont()
{
    // 26.25 pt at 96 dpi.
    return mincho({QStringLiteral("MS Mincho"), QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAexMincho"),
                   QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")},
                  35);
}

ScreenWindow *createWindow()
{
    auto *window = new ScreenWindow(design(), table());
    styleLabel(window->label(DrillControl::ScoreLabel), scoreFont());
    styleLabel(window->label(DrillControl::RunLabel), runFont());
    centreOnBox(qobject_cast<NumberLabel *>(window->label(DrillControl::ScoreLabel)), window->image(DrillControl::ScoreBox));
    centreOnBox(qobject_cast<NumberLabel *>(window->label(DrillControl::RunLabel)), window->image(DrillControl::RunBox));
    window->setInitialFocus(window->button(DrillControl::ChoiceButton1));
    return window;
}

} // namespace DrillLayout
