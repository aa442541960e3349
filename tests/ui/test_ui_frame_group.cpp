// The program's frames look the same on every Qt version: Fusion's group box
// frame where Qt 6.4 draws it, in the colours Debian 12 shows, drawn in bands
// so that Qt's raster engine keeps the tall frame picture on the window's
// thread.

#include "frame_group.h"
#include "look.h"
#include "table_rows.h"
#include "window_test_support.h"

#include <QGroupBox>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSet>
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

// The same, onto an image of the kind a window's backing store is, with
// smooth scaling: there the raster engine shares out tall pictures.
QImage DrawnLikeAWindow(QWidget& widget, qreal scale) {
    QImage image(widget.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    widget.render(&painter);
    return image;
}

// A paint device that notes the pictures drawn on it, by their cache keys:
// a picture decoded afresh has a new one.
class PictureKeys : public QPaintDevice, public QPaintEngine {
public:
    PictureKeys() : QPaintEngine(AllFeatures) {}
    QPaintEngine* paintEngine() const override { return const_cast<PictureKeys*>(this); }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmWidth:
        case PdmHeight:
            return 400;
        default:
            return 96;
        }
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap& picture, const QRectF&) override {
        keys.insert(picture.cacheKey());
    }
    Type type() const override { return User; }
    QSet<qint64> keys;
};

// Fusion's frame over the program's blue, as Debian 12 shows it.
const QColor kFrameLine(77, 110, 197);
const QColor kFrameInside(67, 108, 214);

} // namespace

class TestFrameGroup : public QObject {
    Q_OBJECT
private slots:
    // First, while no paint of this process has started Qt's worker threads.
    void drawingStartsNoThreads() {
#ifdef Q_OS_LINUX
        QWidget window;
        FrameGroup frame(&window);
        frame.setGeometry(0, 0, 323, 300);
        const QStringList before = PooledThreads();
        for (const qreal scale : {1.0, 1.25, 2.0}) {
            QVERIFY(!DrawnLikeAWindow(frame, scale).isNull());
            QCOMPARE(PooledThreads(), before);
        }
#else
        QSKIP("threads are counted through /proc");
#endif
    }

    // Once the first frame is out, Qt's picture cache has no room: every paint
    // would decode the picture again unless the frame keeps it.
    void framePictureIsDecodedOnce() {
        const int cacheLimit = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(0);
        FrameGroup first(nullptr);
        FrameGroup second(QStringLiteral("Refer A Friend"), nullptr);
        PictureKeys device;
        for (FrameGroup* frame : {&first, &second, &first}) {
            frame->resize(180, 100);
            frame->render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
        }
        QPixmapCache::setCacheLimit(cacheLimit);
        QCOMPARE(device.keys.size(), 1);
    }

    void looksLikeQt64GroupBox_data() {
        Columns<QString, int, qreal>("title", "height", "scale");
        QTest::newRow("no title") << QString() << 230 << 1.0;
        QTest::newRow("title") << QStringLiteral("Refer A Friend") << 230 << 1.0;
        QTest::newRow("title, twice the pixels") << QStringLiteral("Refer A Friend") << 230 << 2.0;
        QTest::newRow("a quarter more pixels") << QString() << 230 << 1.25;
        QTest::newRow("one row over a band") << QString() << 65 << 1.0;
        QTest::newRow("shorter than a band") << QStringLiteral("Refer A Friend") << 40 << 1.0;
    }

    // Qt 6.4's own group box is the look the frame keeps.
    void looksLikeQt64GroupBox() {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        const auto [title, height, scale] = Fetch<QString, int, qreal>("title", "height", "scale");
        QWidget window;
        window.setFont(ProgramFont(8.25, true));
        QGroupBox plain(title, &window);
        FrameGroup banded(title, &window);
        for (QGroupBox* group : std::initializer_list<QGroupBox*>{&plain, &banded})
            group->setGeometry(0, 0, 180, height);
        QCOMPARE(Drawn(banded, scale), Drawn(plain, scale));
#else
        QSKIP("later Qt versions draw their own group box elsewhere; the frame's "
              "lines are checked on every version below");
#endif
    }

    void frameLinesLieWhereDebian12ShowsThem_data() {
        Columns<QString, int>("title", "topLine");
        QTest::newRow("no title") << QString() << 4;
        QTest::newRow("title") << QStringLiteral("Refer A Friend") << 18;
    }

    // Pixel by pixel at the middle of each side, at the scale of one.
    void frameLinesLieWhereDebian12ShowsThem() {
        const auto [title, topLine] = Fetch<QString, int>("title", "topLine");
        QWidget window;
        window.setFont(ProgramFont(8.25, true));
        FrameGroup frame(title, &window);
        SetOpaqueBackground(&frame, kProgramBlue);
        frame.setGeometry(0, 0, 180, 230);
        const QImage image = Drawn(frame, 1.0);
        const auto at = [&image](int x, int y) { return image.pixelColor(x, y); };
        const int middleX = 160;
        const int middleY = 150;
        QCOMPARE(at(middleX, topLine - 1), kProgramBlue);
        QCOMPARE(at(middleX, topLine), kFrameLine);
        QCOMPARE(at(middleX, 229), kFrameLine);
        QCOMPARE(at(0, middleY), kProgramBlue);
        QCOMPARE(at(1, middleY), kFrameLine);
        QCOMPARE(at(179, middleY), kFrameLine);
        QCOMPARE(at(middleX, middleY), kFrameInside);
        QCOMPARE(at(middleX, topLine + 2), kFrameInside);
    }
};

QTEST_MAIN(TestFrameGroup)
#include "test_ui_frame_group.moc"
