// File, Save in the result window: the picture and the one-page PDF, drawn
// from the engine's card, where the user says and nowhere else.
#include "card_painter.h"
#include "catalogue.h"
#include "reading_card.h"
#include "result_window.h"
#include "shown_text.h"
#include "table_rows.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace korvane;

namespace {

const Reading kReading = *ReadingFor({Sex::Female, {1990, Month::March, 1}});

frmLuckyCarResult& ShownReading() {
    auto& window = Use<frmLuckyCarResult>();
    window.ShowReading(kReading);
    return window;
}

void Save(frmLuckyCarResult& window) {
    Control<QAction>(window, "mnuPrint")->trigger();
}

// A PDF's page count and its first page's width and height in points, from
// its objects.
QList<int> PagesOf(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
    const QString text = QString::fromLatin1(pdf);
    QList<int> found = {static_cast<int>(text.count(page))};
    for (const QString& number : box.match(text).captured(1).split(' ', Qt::SkipEmptyParts).mid(2))
        found << qRound(number.toDouble());
    return found;
}

#ifdef KORVANE_PDFTOTEXT
QString TextOfPdf(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral(KORVANE_PDFTOTEXT),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}
#endif

} // namespace

class TestResultSave : public WindowTest {
    Q_OBJECT
private slots:
    void cleanup() {
        SetShownCatalogue(kEnglish);
        bed.reset();
    }

    void nothingToSaveBeforeAReading() {
        auto& window = Use<frmLuckyCarResult>();
        const QAction* save = Control<QAction>(window, "mnuPrint");
        QVERIFY(!save->isEnabled());
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        ShownReading();
        QVERIFY(save->isEnabled() && save->isVisible());
    }

    // The picture is the card: 1080 by 1350, every swatch where the card
    // puts it, in its colour.
    void savesThePicture() {
        QTemporaryDir folder;
        bed->platform.picturesFolder = folder.path();
        bed->platform.saveAnswer = SaveAnswer{folder.filePath("mine.png"), 0};
        Save(ShownReading());
        QCOMPARE(bed->platform.saveQuestions.size(), 1);
        QCOMPARE(bed->platform.saveQuestions[0].suggestedPath,
                 folder.filePath("korvane-reading.png"));
        QCOMPARE(bed->platform.saveQuestions[0].kinds.size(), 2);
        const QImage picture(folder.filePath("mine.png"));
        QCOMPARE(picture.size(), QSize(1080, 1350));
        int swatches = 0;
        for (const CardItem& item : PictureCard(kReading, "Korvane").items) {
            if (item.kind != CardItem::Kind::Box || !item.border)
                continue;
            const QColor shown =
                picture.pixelColor(item.x + item.width / 2, item.y + item.height / 2);
            QCOMPARE(shown, QColor(RedOf(item.colour), GreenOf(item.colour), BlueOf(item.colour)));
            ++swatches;
        }
        // The car colour, four purposes, six colours to choose and one to avoid.
        QCOMPARE(swatches, 1 + 4 + 6 + 1);
        QVERIFY(bed->platform.messages.isEmpty());
    }

    // A PDF of one page on the user's paper, whatever the kind chosen when
    // the name says .pdf; its text can be read back, in Chinese too.
    void savesOnePagePdf_data() {
        // pages: count, width, height
        Columns<QString, bool, QList<int>, QStringList>("language", "letter", "pages", "words");
        QTest::newRow("English on A4")
            << "en" << false << QList<int>{1, 595, 842}
            << QStringList{"Pisces", "Kua Number: 5", "Coral", "Yellow", "Earth Brown", "Green"};
        QTest::newRow("Chinese on Letter") << "zh_CN" << true << QList<int>{1, 612, 792}
                                           << QStringList{"双鱼座", "珊瑚色", "咖啡色", "绿色"};
    }

    void savesOnePagePdf() {
        const auto [language, letter, pages, words] =
            Fetch<QString, bool, QList<int>, QStringList>("language", "letter", "pages", "words");
        const std::string tags[] = {language.toStdString()};
        SetShownCatalogue(CatalogueFor(tags));
        QTemporaryDir folder;
        bed->platform.letterPaper = letter;
        bed->platform.saveAnswer = SaveAnswer{folder.filePath("reading.pdf"), 0};
        Save(ShownReading());
        QFile file(folder.filePath("reading.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(PagesOf(pdf), pages);
#ifdef KORVANE_PDFTOTEXT
        const QString text = TextOfPdf(file.fileName());
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word + " not in: " + text.left(300)));
#endif
    }

    // Where nothing can be written (under a file; in the place of a folder,
    // where the finished file cannot take its name): a message, and nothing
    // half-written left beside it.
    void unwritablePlaceSaysSoAndLeavesNothing() {
        QTemporaryDir folder;
        QFile file(folder.filePath("a-file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(folder.path()).mkdir("a-folder"));
        for (const QString& path :
             {folder.filePath("a-file/reading.png"), folder.filePath("a-folder")}) {
            bed->platform.messages.clear();
            bed->platform.saveAnswer = SaveAnswer{path, 0};
            auto& window = ShownReading();
            Save(window);
            QCOMPARE(
                bed->platform.messages,
                (QList<RecordingPlatform::Message>{
                    {&window, ShownText(TextId::SaveFailed).arg(QDir::toNativeSeparators(path)),
                     MessageIcon::Critical, MessageButtons::Ok}}));
            QCOMPARE(QDir(folder.path())
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     (QStringList{"a-file", "a-folder"}));
            QVERIFY(QDir(folder.filePath("a-folder")).isEmpty());
        }
    }

    // Every sign's whole text and every other line, in every language, on
    // both papers: each text stays readable where the page puts it.
    void everyReadingFitsItsPage() {
        QBuffer sink;
        QVERIFY(sink.open(QIODevice::WriteOnly));
        QPdfWriter pdf(&sink);
        pdf.setResolution(72);
        QStringList small;
        for (int catalogue = 0; catalogue < static_cast<int>(Catalogues().size()); ++catalogue) {
            SetShownCatalogue(catalogue);
            for (int month = 1; month <= 13; ++month) {
                // The 25th of each month is each sign once; 4 February 1990, a
                // woman's Kua 5 on the day of Li Chun, has every note.
                const BirthDate date = month <= 12 ? BirthDate{1980, static_cast<Month>(month), 25}
                                                   : BirthDate{1990, Month::February, 4};
                const Reading reading = *ReadingFor({Sex::Female, date});
                for (const Paper paper : {Paper::A4, Paper::Letter}) {
                    for (const CardItem& item : PrintedPage(reading, "Korvane", paper).items) {
                        if (item.kind != CardItem::Kind::Text)
                            continue;
                        const double size = FittedTextSize(pdf, item);
                        if (size < item.size * 0.75)
                            small << QStringLiteral("%1 %2/%3: %4 at %5")
                                         .arg(Catalogues()[catalogue].code.data())
                                         .arg(date.day)
                                         .arg(month)
                                         .arg(ShownPhrase(item.text).left(30))
                                         .arg(size);
                    }
                }
            }
        }
        QVERIFY2(small.isEmpty(), qPrintable(small.mid(0, 8).join("; ")));
    }

    void cancellingSavesNothing() {
        QTemporaryDir folder;
        bed->platform.picturesFolder = folder.path();
        Save(ShownReading());
        QCOMPARE(bed->platform.saveQuestions.size(), 1);
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(bed->platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestResultSave)
#include "test_result_save.moc"
