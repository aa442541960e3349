#include "recording_platform.h"
#include "refer_a_friend.h"

#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace korvane;

namespace {

const QString kPage = QStringLiteral("https://www.quillory.example/tell-a-friend.html");
const QString kProductRoot = QStringLiteral("https://www.korvane.example/");
const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kProper = QStringLiteral("Please Enter Proper Email Address");
const QString kName = QStringLiteral("Please Enter Your Name");
const QString kEmail = QStringLiteral("Please Enter Your Email");
const QString kMessage = QStringLiteral("Please Enter Your Message");
const QString kFriendName = QStringLiteral("Please Enter Your Friend's Name");
const QString kFriendEmail = QStringLiteral("Please Enter Your Friend's Email");

// What the user might type when everything is in order.
const QString kAnn = QStringLiteral("Ann");
const QString kAnnMail = QStringLiteral("ann@mail.example");
const QString kHello = QStringLiteral("Hello");
const QString kBob = QStringLiteral("Bob");
const QString kBobMail = QStringLiteral("bob@mail.example");

QString RequestFor(const QString& name, const QString& email, const QString& message,
                   const QString& friendName, const QString& friendEmail) {
    return kPage + "?taf1=" + name + "&taf2=" + email + "&taf3=" + message + "&taf4=" + friendName +
           "&taf5=" + friendEmail + "&taf6=" + kProductRoot;
}

// Only spaces are trimmed: tabs and line breaks belong to what was typed.
QString WithoutOuterSpaces(QString text) {
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// The message a refused submission returns, or "(sent)".
QString Outcome(const std::optional<QString>& problem) {
    return problem.value_or(QStringLiteral("(sent)"));
}

void AddFormColumns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
}

} // namespace

// The checks and the encoding are the engine's (engine/test_refer_request.cpp);
// these cases follow the desktop's path through them: the boxes' texts, the
// stored strings and the page handed to the desktop.
class TestOutreachReferAFriend : public QObject {
    Q_OBJECT
private slots:
    void init();

    void trimsSpacesOnly_data();
    void trimsSpacesOnly();
    void placeholdersComeAndGo_data();
    void placeholdersComeAndGo();
    void emailBoxesRefuseSpaces();
    void refusesIncompleteForm_data();
    void refusesIncompleteForm();
    void refusesIncompleteStoredStrings_data();
    void refusesIncompleteStoredStrings();
    void sendsEncodedRequest_data();
    void sendsEncodedRequest();
    void everySubmissionOpensAndOverwrites();

private:
    std::unique_ptr<RecordingPlatform> platform_;
};

void TestOutreachReferAFriend::init() {
    platform_.reset();
    platform_ = std::make_unique<RecordingPlatform>();
    TheReferAFriendStrings() = ReferAFriendStrings{};
}

void TestOutreachReferAFriend::trimsSpacesOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("outer spaces") << "  Ann Lee  "
                                  << "Ann Lee";
    QTest::newRow("inner spaces kept") << "Ann  Lee"
                                       << "Ann  Lee";
    QTest::newRow("only spaces") << "    "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("tabs kept") << "\tAnn\t"
                               << "\tAnn\t";
    QTest::newRow("line breaks kept") << " Your Message\r\n "
                                      << "Your Message\r\n";
    QTest::newRow("spaces behind a tab kept") << " \t Ann \t "
                                              << "\t Ann \t";
    QTest::newRow("no-break space kept")
        << QString(QChar(0xA0)) + "Ann" << QString(QChar(0xA0)) + "Ann";
}

void TestOutreachReferAFriend::trimsSpacesOnly() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(TrimSpaces(text), trimmed);
}

void TestOutreachReferAFriend::refusesIncompleteForm_data() {
    AddFormColumns();
    QTest::addColumn<QString>("problem");

    QTest::newRow("same e-mails") << kAnn << kAnnMail << kHello << kBob << kAnnMail << kDistinct;
    QTest::newRow("same e-mails once trimmed")
        << kAnn << "  ann@mail.example" << kHello << kBob << "ann@mail.example   " << kDistinct;
    QTest::newRow("same e-mails before anything else") << ""
                                                       << "x"
                                                       << ""
                                                       << ""
                                                       << "x" << kDistinct;
    QTest::newRow("both e-mails empty") << kAnn << "" << kHello << kBob << "  " << kDistinct;
    QTest::newRow("both e-mails at placeholders")
        << kNamePlaceholder << kEmailPlaceholder << kMessagePlaceholder << kFriendNamePlaceholder
        << kFriendEmailPlaceholder << kProper;
    QTest::newRow("e-mail without @")
        << kAnn << "ann.mail.example" << kHello << kBob << kBobMail << kProper;
    QTest::newRow("e-mail empty") << kAnn << "" << kHello << kBob << kBobMail << kProper;
    QTest::newRow("bad e-mail before missing name") << ""
                                                    << "a@b"
                                                    << ""
                                                    << "" << kBobMail << kProper;
    QTest::newRow("name at placeholder")
        << kNamePlaceholder << kAnnMail << kHello << kBob << kBobMail << kName;
    QTest::newRow("name at placeholder within spaces")
        << "  Your Name  " << kAnnMail << kHello << kBob << kBobMail << kName;
    QTest::newRow("name empty") << "" << kAnnMail << kHello << kBob << kBobMail << kName;
    QTest::newRow("message at placeholder")
        << kAnn << kAnnMail << kMessagePlaceholder << kBob << kBobMail << kMessage;
    QTest::newRow("message empty") << kAnn << kAnnMail << "" << kBob << kBobMail << kMessage;
    QTest::newRow("friend's name at placeholder")
        << kAnn << kAnnMail << kHello << kFriendNamePlaceholder << kBobMail << kFriendName;
    QTest::newRow("name reported before message") << "" << kAnnMail << ""
                                                  << "" << kBobMail << kName;
}

void TestOutreachReferAFriend::refusesIncompleteForm() {
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);

    const auto result = SubmitReferAFriend({name, email, message, friendName, friendEmail});
    QCOMPARE(Outcome(result), problem);
    QVERIFY(platform_->openedAddresses.isEmpty());
    // The caller shows the message, not the form.
    QVERIFY(platform_->messages.isEmpty());

    // The trimmed texts are kept whatever the outcome.
    const ReferAFriendStrings& strings = TheReferAFriendStrings();
    QCOMPARE(strings.strReferName, WithoutOuterSpaces(name));
    QCOMPARE(strings.strReferEmail, WithoutOuterSpaces(email));
    QCOMPARE(strings.strReferMessage, WithoutOuterSpaces(message));
    QCOMPARE(strings.strReferFriendName, WithoutOuterSpaces(friendName));
    QCOMPARE(strings.strReferFriendEmail, WithoutOuterSpaces(friendEmail));
}

// The e-mail messages cannot come up through the form, whose address checks
// come first, but sending the stored strings checks them as well.
void TestOutreachReferAFriend::refusesIncompleteStoredStrings_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("problem");
    QTest::newRow("e-mail empty") << "" << kBobMail << kEmail;
    QTest::newRow("e-mail at placeholder") << kEmailPlaceholder << kBobMail << kEmail;
    QTest::newRow("friend's e-mail empty") << kAnnMail << "" << kFriendEmail;
    QTest::newRow("friend's e-mail at placeholder")
        << kAnnMail << kFriendEmailPlaceholder << kFriendEmail;
    QTest::newRow("both missing, own reported first") << ""
                                                      << "" << kEmail;
}

void TestOutreachReferAFriend::refusesIncompleteStoredStrings() {
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);
    TheReferAFriendStrings() = {kAnn, email, kHello, kBob, friendEmail, QString()};

    QCOMPARE(Outcome(SendReferAFriend()), problem);
    QVERIFY(platform_->openedAddresses.isEmpty());
}

void TestOutreachReferAFriend::sendsEncodedRequest_data() {
    AddFormColumns();
    QTest::addColumn<QString>("request");

    QTest::newRow("plain form") << kAnn << kAnnMail << kHello << kBob << kBobMail
                                << RequestFor("Ann", "ann%40mail.example", "Hello", "Bob",
                                              "bob%40mail.example");
    QTest::newRow("outer spaces trimmed")
        << "  Ann Lee  "
        << " ann@mail.example  "
        << "  Hi there "
        << "   Bob"
        << "bob@mail.example "
        << RequestFor("Ann%20Lee", "ann%40mail.example", "Hi%20there", "Bob", "bob%40mail.example");
    QTest::newRow("hidden message box left as it is")
        << kAnn << kAnnMail << "Your Message\r\n"
        << kBob << kBobMail
        << RequestFor("Ann", "ann%40mail.example", "Your%20Message%0D%0A", "Bob",
                      "bob%40mail.example");
    QTest::newRow("non-ASCII as UTF-8")
        << QStringLiteral("Ren\u00e9e") << kAnnMail << QStringLiteral("\u20ac5")
        << QStringLiteral("Zo\u00eb \u65e5\u672c") << kBobMail
        << RequestFor("Ren%C3%A9e", "ann%40mail.example", "%E2%82%AC5",
                      "Zo%C3%AB%20%E6%97%A5%E6%9C%AC", "bob%40mail.example");
    QTest::newRow("placeholder words inside longer text")
        << "Your Name Jr" << kAnnMail << "Your Message."
        << "Friend's Names" << kBobMail
        << RequestFor("Your%20Name%20Jr", "ann%40mail.example", "Your%20Message.",
                      "Friend%27s%20Names", "bob%40mail.example");
    QTest::newRow("field smuggled into name")
        << "Ann&taf6=evil#x" << kAnnMail << kHello << kBob << kBobMail
        << RequestFor("Ann%26taf6%3Devil%23x", "ann%40mail.example", "Hello", "Bob",
                      "bob%40mail.example");
}

void TestOutreachReferAFriend::sendsEncodedRequest() {
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, request);

    const auto result = SubmitReferAFriend({name, email, message, friendName, friendEmail});
    QCOMPARE(Outcome(result), QStringLiteral("(sent)"));
    QCOMPARE(platform_->openedAddresses, QStringList{request});
    QCOMPARE(TheReferAFriendStrings().strReferAddress, request);
    QVERIFY(platform_->messages.isEmpty());
    QVERIFY(QUrl(request, QUrl::StrictMode).isValid());

    // Read back, the query holds exactly the six fields, in order, with the
    // trimmed texts: nothing typed can add, change or cut off a field.
    const qsizetype question = request.indexOf('?');
    QCOMPARE(request.left(question), kPage);
    const QStringList items = request.mid(question + 1).split('&');
    const QStringList expected = {WithoutOuterSpaces(name),        WithoutOuterSpaces(email),
                                  WithoutOuterSpaces(message),     WithoutOuterSpaces(friendName),
                                  WithoutOuterSpaces(friendEmail), kProductRoot};
    QCOMPARE(items.size(), expected.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const qsizetype equals = items[i].indexOf('=');
        QCOMPARE(items[i].left(equals), QStringLiteral("taf%1").arg(i + 1));
        const QString value = items[i].mid(equals + 1);
        if (i < 5) {
            // Percent-encoded: nothing but unreserved characters and escapes.
            static const QRegularExpression encoded(
                QStringLiteral("^([A-Za-z0-9._~-]|%[0-9A-F]{2})*$"));
            QVERIFY2(encoded.match(value).hasMatch(), qPrintable(value));
        }
        QCOMPARE(QUrl::fromPercentEncoding(value.toLatin1()), expected[i]);
    }
}

void TestOutreachReferAFriend::everySubmissionOpensAndOverwrites() {
    const ReferAFriendForm first{kAnn, kAnnMail, kHello, kBob, kBobMail};
    QCOMPARE(Outcome(SubmitReferAFriend(first)), QStringLiteral("(sent)"));
    QCOMPARE(Outcome(SubmitReferAFriend(first)), QStringLiteral("(sent)"));
    const QString firstRequest =
        RequestFor("Ann", "ann%40mail.example", "Hello", "Bob", "bob%40mail.example");
    QCOMPARE(platform_->openedAddresses, (QStringList{firstRequest, firstRequest}));

    const ReferAFriendForm second{" Cy ", "cy@mail.example", "Bye", "Di", "di@mail.example"};
    QCOMPARE(Outcome(SubmitReferAFriend(second)), QStringLiteral("(sent)"));
    const QString secondRequest =
        RequestFor("Cy", "cy%40mail.example", "Bye", "Di", "di%40mail.example");
    QCOMPARE(platform_->openedAddresses, (QStringList{firstRequest, firstRequest, secondRequest}));

    const ReferAFriendStrings& strings = TheReferAFriendStrings();
    QCOMPARE(strings.strReferName, QStringLiteral("Cy"));
    QCOMPARE(strings.strReferEmail, QStringLiteral("cy@mail.example"));
    QCOMPARE(strings.strReferMessage, QStringLiteral("Bye"));
    QCOMPARE(strings.strReferFriendName, QStringLiteral("Di"));
    QCOMPARE(strings.strReferFriendEmail, QStringLiteral("di@mail.example"));
    QCOMPARE(strings.strReferAddress, secondRequest);

    // A refused submission still replaces the strings and opens nothing.
    QCOMPARE(Outcome(SubmitReferAFriend({"", "e@mail.example", "m", "f", "g@mail.example"})),
             kName);
    QCOMPARE(platform_->openedAddresses.size(), 3);
    QCOMPARE(strings.strReferName, QString());
    QCOMPARE(strings.strReferEmail, QStringLiteral("e@mail.example"));
}

void TestOutreachReferAFriend::placeholdersComeAndGo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("onFocusIn");  // the new text, or nothing
    QTest::addColumn<QVariant>("onFocusOut"); // the same when leaving
    const QVariant stays;
    QTest::newRow("placeholder") << kNamePlaceholder << QVariant(QString()) << stays;
    QTest::newRow("placeholder with spaces") << "  Your Name " << QVariant(QString()) << stays;
    QTest::newRow("empty") << "" << stays << QVariant(kNamePlaceholder);
    QTest::newRow("spaces only") << "   " << stays << QVariant(kNamePlaceholder);
    // Only spaces are trimmed, and the comparison is exact.
    QTest::newRow("tab only") << "\t" << stays << stays;
    QTest::newRow("other case") << "your name" << stays << stays;
    QTest::newRow("typed name") << "Ann" << stays << stays;
}

void TestOutreachReferAFriend::placeholdersComeAndGo() {
    QFETCH(QString, text);
    QFETCH(QVariant, onFocusIn);
    QFETCH(QVariant, onFocusOut);
    const auto in = TextOnFocusIn(text, kNamePlaceholder);
    QCOMPARE(in.has_value(), onFocusIn.isValid());
    if (in)
        QCOMPARE(*in, onFocusIn.toString());
    const auto out = TextOnFocusOut(text, kNamePlaceholder);
    QCOMPARE(out.has_value(), onFocusOut.isValid());
    if (out)
        QCOMPARE(*out, onFocusOut.toString());
}

void TestOutreachReferAFriend::emailBoxesRefuseSpaces() {
    // The rule is the engine's (test_refer_request); the text arrives intact.
    QCOMPARE(RefusalInEmailBox(QStringLiteral("a\u00e9 b")),
             QString("Email Address Cannot Contain Space"));
    QVERIFY(!RefusalInEmailBox(QStringLiteral("\u00e9@b.c")).has_value());
}

QTEST_GUILESS_MAIN(TestOutreachReferAFriend)
#include "test_outreach_refer_a_friend.moc"
