// The Drill screen pixel for pixel at three moments of a scripted drill, against pictures of
// it taken before the note panel was added under its board: a bank without notes and
// --no-notes give the screen exactly as it was, and with notes the designed area above the
// panel is unchanged too.
//
// The pictures in tests/reference/ hold the window's 744 x 491 client area at scale 1, drawn
// with the fonts scripts/bootstrap installs. To take them again (only ever from a build of
// the screen as designed): BUNPO_WRITE_REFERENCES=1 tests/tst_drill_pixels

#include "tst_drill_fixture.h"

#include "screens/drill/NotePanel.h"

namespace {

const QSize DesignedArea(744, 491);

QString referencePath(const QString &moment)
{
    return QStringLiteral(BUNPO_SOURCE_DIR "/tests/reference/drill-%1.png").arg(moment);
}

// The designed area of the window as it is drawn now.
QImage designedArea(const DrillRig &rig)
{
    return rig.window()->grab(QRect(QPoint(0, 0), DesignedArea)).toImage().convertToFormat(QImage::Format_RGB32);
}

// The grade on show as one learner sees it: question 3 first, a wrong answer, then the ring.
struct Moment
{
    const char *name;
    std::function<void(DrillRig &)> reach;
};

const QList<Moment> &moments()
{
    static const QList<Moment> list = {
        {"first-sight", [](DrillRig &) {}},
        {"during-stage", [](DrillRig &rig) { rig.answer(false); }},
        {"with-ring", [](DrillRig &rig) { rig.runUntilIdle(DrillStage::Evaluation); }},
    };
    return list;
}

// Compares with the reference, or writes it when asked to. On a difference the picture seen
// is left beside the test for a look.
void compareWithReference(const QImage &seen, const QString &moment, const QString &variant)
{
    const QString path = referencePath(moment);
    if (qEnvironmentVariableIsSet("BUNPO_WRITE_REFERENCES")) {
        QVERIFY(seen.save(path, "PNG"));
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!reference.isNull(), qPrintable(path));
    QCOMPARE(seen.size(), reference.size());
    if (seen != reference) {
        QString kept = QStringLiteral("seen-%1-%2.png").arg(variant, moment);
        kept.replace(QLatin1Char(' '), QLatin1Char('-'));
        seen.save(kept, "PNG");
        int differing = 0;
        QRect where;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                if (seen.pixel(x, y) != reference.pixel(x, y)) {
                    ++differing;
                    where |= QRect(x, y, 1, 1);
                }
        QFAIL(qPrintable(QStringLiteral("%1, %2: %3 pixels differ within x %4..%5, y %6..%7 (seen: %8)")
                             .arg(variant, moment)
                             .arg(differing)
                             .arg(where.left()).arg(where.right()).arg(where.top()).arg(where.bottom())
                             .arg(kept)));
    }
}

} // namespace

class TestDrillPixels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void asDesigned_data();
    void asDesigned();
};

void TestDrillPixels::asDesigned_data()
{
    QTest::addColumn<bool>("notes");       // the bank has notes
    QTest::addColumn<bool>("notesWanted"); // false: --no-notes
    QTest::addColumn<QSize>("window");     // the whole client area
    QTest::newRow("a bank without notes") << false << true << DesignedArea;
    QTest::newRow("--no-notes") << true << false << DesignedArea;
    QTest::newRow("notes, above the panel") << true << true << QSize(744, 491 + 120);
}

void TestDrillPixels::asDesigned()
{
    QFETCH(bool, notes);
    QFETCH(bool, notesWanted);
    QFETCH(QSize, window);

    DrillBank bank(tenAnswers());
    if (notes)
        bank.addNotes();
    DrillRig rig(bank, {3, 5});
    rig.state.notesWanted = notesWanted;
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(rig.window()->size(), window);
    for (const Moment &moment : moments()) {
        moment.reach(rig);
        QCOMPARE(rig.window()->size(), window);
        compareWithReference(designedArea(rig), QString::fromLatin1(moment.name), QString::fromLatin1(QTest::currentDataTag()));
        if (QTest::currentTestFailed())
            return;
    }
    // The moment with the ring shows the note under the board.
    if (NotePanel *panel = rig.window()->findChild<NotePanel *>())
        QCOMPARE(DrillBank::questionShown(panel->picture()), 3);
}

BUNPO_TEST_MAIN(TestDrillPixels)
#include "tst_drill_pixels.moc"
