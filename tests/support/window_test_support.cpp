#include "window_test_support.h"

#include "birth_details_window.h"
#include "catalogue.h"
#include "month_names.h"
#include "result_window.h"
#include "window_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace korvane {
namespace {

bool Pick(const QWidget& window, const QString& listName, const QString& text) {
    auto* list = Control<QComboBox>(window, listName);
    const int index = list->findText(text);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

// The colour a swatch shows, at its middle, as drawn.
QColor ShownColour(QWidget* swatch) {
    return swatch->grab().toImage().pixelColor(swatch->rect().center());
}

} // namespace

WindowTestBed::WindowTestBed() {
    WindowRegistry::Instance().DestroyAll();
    WindowRegistry::Instance().SetProcessEnder([this] { ++endRequests; });
    QApplication::setQuitOnLastWindowClosed(false);
}

WindowTestBed::~WindowTestBed() {
    Settle();
    WindowRegistry::Instance().DestroyAll();
    Settle();
}

QStringList VisibleWindowNames() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

bool ChooseBirthDate(const QWidget& window, int day, const QString& month, const QString& year) {
    // The month by its English name, in whatever language the list shows it.
    const auto at = std::find_if(kMonthTextIds.begin(), kMonthTextIds.end(), [&](TextId name) {
        return QString::fromUtf8(EnglishText(name)) == month;
    });
    if (at == kMonthTextIds.end())
        return false;
    Control<QComboBox>(window, QStringLiteral("cboMonth"))
        ->setCurrentIndex(static_cast<int>(at - kMonthTextIds.begin()));
    return Pick(window, QStringLiteral("cboDate"), QString::number(day)) &&
           (year.isEmpty() || Pick(window, QStringLiteral("cboYear"), year));
}

frmLuckyCarResult* ReadingFromTheForm(const QString& name, int day, const QString& month,
                                      const QString& year, bool male) {
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    window.ShowCentred();
    Control<QLineEdit>(window, QStringLiteral("txtName"))->setText(name);
    Control<QRadioButton>(window, male ? QStringLiteral("optSex0") : QStringLiteral("optSex1"))
        ->setChecked(true);
    if (!ChooseBirthDate(window, day, month, year))
        return nullptr;
    QTest::mouseClick(Control<QPushButton>(window, QStringLiteral("cmdProceed")), Qt::LeftButton);
    Settle();
    return WindowRegistry::Instance().Find<frmLuckyCarResult>();
}

QStringList SwatchColours(const QWidget& window) {
    QStringList colours;
    for (int i = 0; i < 5; ++i)
        colours << ShownColour(Control<QWidget>(window, QStringLiteral("lblColorCode%1").arg(i)))
                       .name();
    return colours;
}

QStringList LabelTexts(const QWidget& window, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names)
        texts << Control<QLabel>(window, name)->text();
    return texts;
}

ModalFailsafe::ModalFailsafe() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer_.start(3000);
}

QStringList PooledThreads() {
    QStringList pooled;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(id + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "Thread (pooled)")
            pooled << id;
    }
    return pooled;
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace korvane
