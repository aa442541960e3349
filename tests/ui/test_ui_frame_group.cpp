// The birth details frame is drawn in bands, so that Qt's raster engine
// keeps its tall frame picture on the window's thread; it must look exactly
// like a group box drawn in one pass.

#include "frame_group.h"
#include "look.h"

#include <QGroupBox>
#include <QImage>
#include <QTest>

#include <initializer_list>

using namespace korvane;

namespace {

// The widget as drawn onto an image of the given scale, background included.
QImage Drawn(QWidget& widget, qreal scale) {
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

} // namespace

class TestFrameGroup : public QObject {
    Q_OBJECT
private slots:
    void looksLikeAGroupBox_data();
    void looksLikeAGroupBox();
};

void TestFrameGroup::looksLikeAGroupBox_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("height");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("no title") << QString() << 230 << 1.0;
    QTest::newRow("title") << QStringLiteral("Refer A Friend") << 230 << 1.0;
    QTest::newRow("title, twice the pixels") << QStringLiteral("Refer A Friend") << 230 << 2.0;
    QTest::newRow("a quarter more pixels") << QString() << 230 << 1.25;
    QTest::newRow("one row over a band") << QString() << 65 << 1.0;
    QTest::newRow("shorter than a band") << QStringLiteral("Refer A Friend") << 40 << 1.0;
}

void TestFrameGroup::looksLikeAGroupBox() {
    QFETCH(QString, title);
    QFETCH(int, height);
    QFETCH(qreal, scale);
    QWidget window;
    window.setFont(ProgramFont(8.25, true));
    QGroupBox plain(title, &window);
    FrameGroup banded(&window);
    banded.setTitle(title);
    for (QGroupBox* group : std::initializer_list<QGroupBox*>{&plain, &banded})
        group->setGeometry(0, 0, 180, height);
    QCOMPARE(Drawn(banded, scale), Drawn(plain, scale));
}

QTEST_MAIN(TestFrameGroup)
#include "test_ui_frame_group.moc"
