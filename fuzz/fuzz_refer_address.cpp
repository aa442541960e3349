#include "fuzz_check.h"
#include "refer_request.h"
#include "web_links.h"

#include <QStringList>
#include <QUrl>

#include <cstdint>

// Whatever is typed into the form, the request carries exactly the six
// fields in order, and each value arrives as it was typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList values = input.split(QChar(0x1F));
    while (values.size() < 5)
        values.append(QString());
    std::array<std::string, korvane::kReferFieldCount> utf8;
    std::array<std::string_view, korvane::kReferFieldCount> views;
    for (int i = 0; i < korvane::kReferFieldCount; ++i) {
        utf8[i] = values[i].toStdString();
        views[i] = utf8[i];
    }
    const korvane::SiteHosts hosts = korvane::MakerHosts();

    const QString address = QString::fromStdString(korvane::ReferRequestAddress(views, hosts));
    const QString page =
        QString::fromStdString(korvane::ReferAFriendPageAddress(hosts)) + QLatin1Char('?');
    FUZZ_CHECK(address.startsWith(page));
    for (const QChar c : address)
        FUZZ_CHECK(c.unicode() > 32 && c.unicode() < 127 && c != QLatin1Char('#'));

    const QStringList fields = address.mid(page.size()).split(QLatin1Char('&'));
    FUZZ_CHECK(fields.size() == 6);
    for (int i = 0; i < 6; ++i) {
        const QString prefix = QStringLiteral("taf%1=").arg(i + 1);
        FUZZ_CHECK(fields[i].startsWith(prefix));
        const QString value = fields[i].mid(prefix.size());
        if (i < 5) {
            const QString decoded = QUrl::fromPercentEncoding(value.toLatin1());
            // Invalid UTF-16 in the input comes back replaced, as any
            // encoder would do; compare what survives a UTF-8 round trip.
            FUZZ_CHECK(decoded == QString::fromUtf8(values[i].toUtf8()));
        } else {
            FUZZ_CHECK(value.toStdString() == korvane::ProductSiteRoot(hosts));
        }
    }
    return 0;
}
