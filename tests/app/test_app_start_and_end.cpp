#include "birth_details_window.h"
#include "exit_path.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "program_random.h"
#include "result_window.h"
#include "startup.h"
#include "support_texts.h"
#include "table_rows.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QTest>

#include <set>

using namespace korvane;

namespace {

class CloseOrder : public QObject {
public:
    QStringList order;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close)
            order << watched->objectName();
        return false;
    }
};

} // namespace

class TestStartAndEnd : public WindowTest {
    Q_OBJECT
private slots:
    void coBrandNumberRounding_data() {
        Columns<float, int>("r", "expected");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("0.25 rounds half to even 2") << 0.25f << 2;
        QTest::newRow("0.75 rounds half to even 6") << 0.75f << 6;
        QTest::newRow("just below 0.25") << 0.2499f << 2;
        QTest::newRow("just below 1/12") << 0.083f << 1;
        QTest::newRow("just above 1/12") << 0.0834f << 2;
        QTest::newRow("just below 11/12") << 0.9166f << 6;
        QTest::newRow("0.5 gives 4") << 0.5f << 4;
        QTest::newRow("largest draw gives 7") << 0.99999994f << 7;
        QTest::newRow("above 11/12 gives 7") << 0.92f << 7;
    }

    void coBrandNumberRounding() {
        const auto [r, expected] = Fetch<float, int>("r", "expected");
        QCOMPARE(CoBrandNumber(r), expected);
    }

    void coBrandDistribution() {
        ProgramRandom random;
        random.Seed(20261208u);
        const int draws = 120000;
        int counts[8] = {};
        int coBrand = 0;
        for (int i = 0; i < draws; ++i) {
            const float r = random.NextSingle();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const int n = CoBrandNumber(r);
            QVERIFY(n >= 1 && n <= 7);
            ++counts[n];
            coBrand += CoBrandInFront(static_cast<std::int16_t>(n)) ? 1 : 0;
        }
        // 1 and 7 half as likely as the others; co-branding in about 5 of 12.
        QVERIFY(qAbs(counts[1] / double(draws) - 1.0 / 12) < 0.005);
        QVERIFY(qAbs(counts[7] / double(draws) - 1.0 / 12) < 0.005);
        for (int n = 2; n <= 6; ++n)
            QVERIFY(qAbs(counts[n] / double(draws) - 1.0 / 6) < 0.006);
        QVERIFY(qAbs(coBrand / double(draws) - 5.0 / 12) < 0.006);
        QVERIFY(!CoBrandInFront(7) && !CoBrandInFront(2) && CoBrandInFront(1) && CoBrandInFront(5));
    }

    void coBrandRandomizeBringsALabelToFront() {
        frmMain& window = Use<frmMain>();
        const auto coBrandShown = [&] {
            return Control<LinkLabel>(window, "lblCobrand")->isVisibleTo(&window);
        };
        // A window made afresh shows the full-branding offer: the design order.
        QVERIFY(!coBrandShown());
        // A twin of the program's generator, seeded alike, predicts each draw;
        // the numbers and the offer they pick are checked above.
        TheProgramRandom().Seed(7u);
        ProgramRandom twin;
        twin.Seed(7u);
        std::set<bool> seen;
        for (int i = 0; i < 20; ++i) {
            const bool coBrandExpected = CoBrandInFront(CoBrandNumber(twin.NextSingle()));
            seen.insert(coBrandExpected);
            window.BringCoBrandToFront(false); // each draw starts as at start-up
            CoBrand_Randomize();
            QCOMPARE(coBrandShown(), coBrandExpected);
        }
        QCOMPARE(seen.size(), std::size_t(2));
    }

    void supportTextIndex() {
        QCOMPARE(SupportTextIndex(0.0f), 0);
        QCOMPARE(SupportTextIndex(0.2499f), 0);
        QCOMPARE(SupportTextIndex(0.25f), 1);
        QCOMPARE(SupportTextIndex(0.99999994f), 3);
    }

    void endProgramUnloadsInLoadOrder() {
        WindowRegistry& windows = WindowRegistry::Instance();
        CloseOrder closes;
        windows.Use<frmNagScreen2>().installEventFilter(&closes);
        windows.Use<frmLuckyCarResult>().installEventFilter(&closes);
        windows.Use<frmMain>().installEventFilter(&closes);
        QCOMPARE(windows.LoadedInLoadOrder().size(), std::size_t(3));
        EndProgram();
        QCOMPARE(closes.order, (QStringList{"frmNagScreen2", "frmLuckyCarResult", "frmMain"}));
        QCOMPARE(bed->endRequests, 1);
    }

    void nothingShownAgainSurvivesEndProgram() {
        WindowRegistry& windows = WindowRegistry::Instance();
        // The exit promotion window is loaded first, so unloading the main
        // window afterwards shows it again through the exit path.
        windows.Use<frmNagScreen2>().ShowCentred();
        windows.Use<frmMain>().ShowCentred();
        EndProgram();
        QCOMPARE(bed->endRequests, 1);
        QCOMPARE(VisibleWindowNames(), QStringList());
    }
};

QTEST_MAIN(TestStartAndEnd)
#include "test_app_start_and_end.moc"
