#include "about_window.h"
#include "birth_details_window.h"
#include "program_look.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace korvane;

class TestAboutWindow : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyProgramLook(); }

    void centredOnTheScreenWhereverTheOpenerStands() {
        frmMain& opener = Shown<frmMain>();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));
        const QRect screen = opener.screen()->availableGeometry();

        // Away from the middle, so that centring on the opener would show.
        for (const QPoint openerAt : {screen.topLeft(), screen.topLeft() + QPoint(250, 180)}) {
            opener.move(openerAt);
            QTRY_COMPARE(opener.pos(), openerAt);
            QVERIFY((opener.frameGeometry().center() - screen.center()).manhattanLength() > 100);

            QRect shownAt;
            QSize clientSize;
            bool seen = false;
            QTimer::singleShot(0, [&] {
                auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!about)
                    return;
                seen = true;
                shownAt = about->frameGeometry();
                clientSize = about->size();
                about->reject();
            });
            const ModalFailsafe failsafe;
            ShowAboutWindow(&opener);
            QVERIFY(seen);
            // 5985 by 3435 twips.
            QCOMPARE(clientSize, QSize(399, 229));
            // The frame is not known before the window is first shown: the
            // window may be off by its frame's width, no more.
            const QPoint offCentre = shownAt.center() - screen.center();
            const QSize frame = shownAt.size() - clientSize;
            QVERIFY2(qAbs(offCentre.x()) <= frame.width() / 2 + 1 &&
                         qAbs(offCentre.y()) <= frame.height() / 2 + 1,
                     qPrintable(
                         QStringLiteral("%1,%2 off centre").arg(offCentre.x()).arg(offCentre.y())));
        }
    }

    void ruleAboveOkIsTwoPixelsWide() {
        frmAbout about(nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* rule = about.findChild<QFrame*>("Line2");
        QVERIFY(rule);
        const QImage image = about.grab().toImage();
        QCOMPARE(image.devicePixelRatio(), 1.0);
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));

        // Across the whole window at 2910 twips: two dark rows on white.
        const int top = 193;
        for (int x = 0; x < image.width(); x += 7) {
            for (int y : {top, top + 1})
                QVERIFY2(image.pixelColor(x, y).lightness() < 80, qPrintable(QString::number(x)));
            for (int y : {top - 1, top + 2})
                QVERIFY2(image.pixelColor(x, y).lightness() > 230, qPrintable(QString::number(x)));
        }
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_app_about_window.moc"
