#include "catalogue.h"
#include "refer_request.h"
#include "table_rows.h"

#include <QTest>

#include <string>

using namespace korvane;

Q_DECLARE_METATYPE(std::string)

namespace {

const SiteHosts kHosts = {"main.test", "help.test", "product.test"};
const std::string kPage = "https://main.test/tell-a-friend.html";
const std::string kProductRoot = "https://product.test/";

const std::string kDistinct = "Please Enter Distinct Email Addresses";
const std::string kProper = "Please Enter Proper Email Address";
const std::string kName = "Please Enter Your Name";
const std::string kMessage = "Please Enter Your Message";
const std::string kFriendName = "Please Enter Your Friend's Name";
const std::string kSpace = "Email Address Cannot Contain Space";
const std::string kNone = "(none)";
const ReferPlaceholders kEnglishPlaceholders = ReferPlaceholdersIn(EnglishText);

const std::string kAnnMail = "ann@mail.example";
const std::string kBobMail = "bob@mail.example";

std::string Outcome(std::optional<std::string_view> text) {
    return text ? std::string(*text) : kNone;
}

std::string Outcome(std::optional<TextId> message) {
    return message ? std::string(EnglishText(*message)) : kNone;
}

std::string RequestFor(const std::string& name, const std::string& email,
                       const std::string& message, const std::string& friendName,
                       const std::string& friendEmail) {
    return kPage + "?taf1=" + name + "&taf2=" + email + "&taf3=" + message + "&taf4=" + friendName +
           "&taf5=" + friendEmail + "&taf6=" + kProductRoot;
}

void AddFieldColumns() {
    Columns<std::string, std::string, std::string, std::string, std::string>(
        "name", "email", "message", "friendName", "friendEmail");
}

using Fields = std::array<std::string, kReferFieldCount>;

// A row of the field columns and then the test's own.
template <class... Rest> void FieldRow(const char* tag, const Fields& fields, const Rest&... rest) {
    ((QTest::newRow(tag) << fields[0] << fields[1] << fields[2] << fields[3] << fields[4])
     << ... << rest);
}

std::array<std::string, kReferFieldCount> FetchedFields() {
    const auto [name, email, message, friendName, friendEmail] =
        Fetch<std::string, std::string, std::string, std::string, std::string>(
            "name", "email", "message", "friendName", "friendEmail");
    return {name, email, message, friendName, friendEmail};
}

std::array<std::string_view, kReferFieldCount>
ViewsOf(const std::array<std::string, kReferFieldCount>& fields) {
    std::array<std::string_view, kReferFieldCount> views;
    for (int i = 0; i < kReferFieldCount; ++i)
        views[i] = fields[i];
    return views;
}

} // namespace

class TestReferRequest : public QObject {
    Q_OBJECT
private slots:
    void placeholdersComeAndGo_data() {
        // onFocusIn: the box's new text, or kNone; onFocusOut: the same when leaving
        Columns<std::string, std::string, std::string>("text", "onFocusIn", "onFocusOut");
        const std::string placeholder(kEnglishPlaceholders[kReferName]);
        QTest::newRow("placeholder") << placeholder << std::string() << kNone;
        QTest::newRow("placeholder with spaces")
            << "  " + placeholder + " " << std::string() << kNone;
        QTest::newRow("empty") << std::string() << kNone << placeholder;
        QTest::newRow("spaces only") << std::string("   ") << kNone << placeholder;
        // Only spaces are trimmed, and the comparison is exact.
        QTest::newRow("tab only") << std::string("\t") << kNone << kNone;
        QTest::newRow("other case") << std::string("your name") << kNone << kNone;
        QTest::newRow("typed name") << std::string("Ann") << kNone << kNone;
    }

    void placeholdersComeAndGo() {
        const auto [text, onFocusIn, onFocusOut] =
            Fetch<std::string, std::string, std::string>("text", "onFocusIn", "onFocusOut");
        QCOMPARE(Outcome(ReferBoxTextOnFocusIn(kReferName, text, kEnglishPlaceholders)), onFocusIn);
        QCOMPARE(Outcome(ReferBoxTextOnFocusOut(kReferName, text, kEnglishPlaceholders)),
                 onFocusOut);
    }

    // A box shows its placeholder in the program's language, and only that one
    // counts as not filled; the hidden message box's text is sent as it stands,
    // so its placeholder stays the same.
    void placeholdersFollowTheLanguage() {
        for (int catalogue = 0; catalogue < kCatalogueCount; ++catalogue) {
            const ReferPlaceholders shown =
                ReferPlaceholdersIn([catalogue](TextId id) { return Text(id, catalogue); });
            const std::string_view name = Text(TextId::ReferYourName, catalogue);
            QCOMPARE(shown[kReferName], name);
            QCOMPARE(shown[kReferMessage], std::string_view("Your Message"));
            const auto message = [&shown](std::string_view yourName) {
                return Outcome(ReferAFriend({std::string(yourName), std::string(kAnnMail), "Hello",
                                             "Bob", std::string(kBobMail)},
                                            kHosts, shown)
                                   .message);
            };
            QCOMPARE(message(name), kName);
            if (catalogue != kEnglish)
                QCOMPARE(message("Your Name"), kNone);
        }
    }

    // Every space separator of Unicode is refused wherever it stands; other
    // blanks, and a character sharing the ideographic space's first bytes, are not.
    void emailBoxesRefuseSpaces() {
        for (const char* text : {" ", "a b@c.d", "a\u00a0b", "\u1680", "\u2000", "a\u2009b",
                                 "\u200a", "\u202f", "\u205f", "ann\u3000@mail.example"})
            QVERIFY2(EmailBoxRefusal(text) == TextId::MessageEmailSpace, text);
        for (const char* text : {"ann@mail.example", "", "\t", "\u200b", "\u3001"})
            QVERIFY2(!EmailBoxRefusal(text), text);
    }

    void emailAddressesAreChecked_data() {
        Columns<std::string, std::string, std::string>("email", "friendEmail", "problem");
        QTest::newRow("same") << kAnnMail << kAnnMail << kDistinct;
        QTest::newRow("both empty") << std::string() << std::string() << kDistinct;
        QTest::newRow("same but not proper") << std::string("x") << std::string("x") << kDistinct;
        QTest::newRow("both at placeholders")
            << std::string(kEnglishPlaceholders[kReferEmail])
            << std::string(kEnglishPlaceholders[kReferFriendEmail]) << kProper;
        QTest::newRow("without @") << std::string("ann.mail.example") << kBobMail << kProper;
        QTest::newRow("friend's without @")
            << kAnnMail << std::string("bob.mail.example") << kProper;
        QTest::newRow("without dot") << std::string("a@b") << kBobMail << kProper;
        QTest::newRow("friend's without dot")
            << kAnnMail << std::string("bob@mailexample") << kProper;
        QTest::newRow("one empty") << std::string() << kBobMail << kProper;
        // Where the "@" and the "." stand is not looked at.
        QTest::newRow("dot before @") << std::string(".a@b") << kBobMail << kNone;
        QTest::newRow("differing in case")
            << std::string("Ann@Mail.example") << std::string("ann@mail.example") << kNone;
    }

    void emailAddressesAreChecked() {
        const auto [email, friendEmail, problem] =
            Fetch<std::string, std::string, std::string>("email", "friendEmail", "problem");
        QCOMPARE(Outcome(EmailAddressesProblem(email, friendEmail)), problem);
    }

    void requestEncodesEveryValue_data() {
        AddFieldColumns();
        QTest::addColumn<std::string>("request");
        const std::string ann = "Ann", hello = "Hello", bob = "Bob";
        const std::string annMail = "ann%40mail.example", bobMail = "bob%40mail.example";

        FieldRow("plain", {ann, kAnnMail, hello, bob, kBobMail},
                 RequestFor(ann, annMail, hello, bob, bobMail));
        FieldRow("values as they are, spaces included", {" Ann ", kAnnMail, hello, bob, kBobMail},
                 RequestFor("%20Ann%20", annMail, hello, bob, bobMail));
        FieldRow("message's first text",
                 {ann, kAnnMail, std::string(kReferMessageFirstText), bob, kBobMail},
                 RequestFor(ann, annMail, "Your%20Message%0D%0A", bob, bobMail));
        FieldRow("tabs and line breaks", {"\tAnn\t", kAnnMail, "\r\nHi\r\n", "Bob\n", kBobMail},
                 RequestFor("%09Ann%09", annMail, "%0D%0AHi%0D%0A", "Bob%0A", bobMail));
        FieldRow("reserved characters",
                 {"a&b=c#d+e", kAnnMail, "50% off? /path;x,y:z!'()*$@[]", bob, kBobMail},
                 RequestFor("a%26b%3Dc%23d%2Be", annMail,
                            "50%25%20off%3F%20%2Fpath%3Bx%2Cy%3Az%21%27%28%29%2A%24%40%5B%5D", bob,
                            bobMail));
        FieldRow("unreserved characters kept", {"AZaz09-._~", kAnnMail, hello, bob, kBobMail},
                 RequestFor("AZaz09-._~", annMail, hello, bob, bobMail));
        FieldRow("non-ASCII as UTF-8",
                 {"Ren\xc3\xa9", kAnnMail,
                  "\xe2\x82\xac"
                  "5",
                  "Zo\xc3\xab \xe6\x97\xa5\xe6\x9c\xac", kBobMail},
                 RequestFor("Ren%C3%A9", annMail, "%E2%82%AC5", "Zo%C3%AB%20%E6%97%A5%E6%9C%AC",
                            bobMail));
        FieldRow("plus in e-mail", {ann, "ann+cars@mail.example", hello, bob, kBobMail},
                 RequestFor(ann, "ann%2Bcars%40mail.example", hello, bob, bobMail));
        FieldRow("field smuggled into name", {"Ann&taf6=evil#x", kAnnMail, hello, bob, kBobMail},
                 RequestFor("Ann%26taf6%3Devil%23x", annMail, hello, bob, bobMail));
        FieldRow("fields smuggled into message and e-mail",
                 {ann, "ann@mail.example&taf5=x@y.z", "x&taf1=Mallory&taf7=1?", bob, kBobMail},
                 RequestFor(ann, "ann%40mail.example%26taf5%3Dx%40y.z",
                            "x%26taf1%3DMallory%26taf7%3D1%3F", bob, bobMail));
    }

    void requestEncodesEveryValue() {
        const auto fields = FetchedFields();
        QFETCH(std::string, request);
        QCOMPARE(ReferRequestAddress(ViewsOf(fields), kHosts), request);
    }

    // The form: an empty box shows its placeholder, a box at its placeholder
    // is not filled, the values are trimmed of spaces (only) before the
    // checks and the request, and the first fault in the boxes' order decides.
    void wholeFormAsTyped_data() {
        AddFieldColumns();
        Columns<bool, std::string>("ok", "text");
        // The box the message is about, -1 for none.
        QTest::addColumn<int>("field");
        const std::string ann = "Ann", hello = "Hello", bob = "Bob";
        const auto row = [](const char* tag, const Fields& fields, bool ok, const std::string& text,
                            int field) { FieldRow(tag, fields, ok, text, field); };
        row("sent, trimmed", {"  Ann Lee ", " ann@mail.example", hello, bob, kBobMail}, true,
            RequestFor("Ann%20Lee", "ann%40mail.example", hello, bob, "bob%40mail.example"), -1);
        row("same e-mails once trimmed",
            {ann, "  ann@mail.example", hello, bob, "ann@mail.example   "}, false, kDistinct,
            kReferFriendEmail);
        row("empty e-mail boxes show different placeholders", {ann, "", hello, bob, "  "}, false,
            kProper, kReferEmail);
        row("only the friend's e-mail is not proper", {ann, kAnnMail, hello, bob, "bob@mail"},
            false, kProper, kReferFriendEmail);
        row("bad e-mail before missing name", {"", "a@b", "", "", kBobMail}, false, kProper,
            kReferEmail);
        row("empty name box shows its placeholder", {"", kAnnMail, hello, bob, kBobMail}, false,
            kName, kReferName);
        row("empty message box shows its placeholder", {ann, kAnnMail, " ", bob, kBobMail}, false,
            kMessage, kReferMessage);
        row("friend's name last", {ann, kAnnMail, hello, "Friend's Name", kBobMail}, false,
            kFriendName, kReferFriendName);
        // The boxes refuse spaces as they are typed, and the form once more.
        row("space inside an e-mail address", {"", "ann @mail.example", hello, bob, kBobMail},
            false, kSpace, kReferEmail);
        row("ideographic space in the friend's",
            {ann, kAnnMail, hello, bob, "bob\u3000@mail.example"}, false, kSpace,
            kReferFriendEmail);
        row("e-mail boxes showing their placeholders",
            {ann, "Your Email Address", hello, bob, "Friend's Email Address"}, false, kProper,
            kReferEmail);
        row("name at placeholder", {"Your Name", kAnnMail, hello, bob, kBobMail}, false, kName,
            kReferName);
        row("name at placeholder within spaces", {"  Your Name  ", kAnnMail, hello, bob, kBobMail},
            false, kName, kReferName);
        row("name only spaces", {"   ", kAnnMail, hello, bob, kBobMail}, false, kName, kReferName);
        row("message at placeholder", {ann, kAnnMail, "Your Message", bob, kBobMail}, false,
            kMessage, kReferMessage);
        row("friend's name only spaces", {ann, kAnnMail, hello, "  ", kBobMail}, false, kFriendName,
            kReferFriendName);
        row("name before message", {"", kAnnMail, "", "", kBobMail}, false, kName, kReferName);
        row("message before friend's name", {ann, kAnnMail, "Your Message", "", kBobMail}, false,
            kMessage, kReferMessage);
        // Only spaces are trimmed, and the comparison is exact.
        row("tab only counts as filled", {"\t", kAnnMail, hello, bob, kBobMail}, true,
            RequestFor("%09", "ann%40mail.example", hello, bob, "bob%40mail.example"), -1);
        row("placeholder in other case counts as filled",
            {"your name", kAnnMail, hello, bob, kBobMail}, true,
            RequestFor("your%20name", "ann%40mail.example", hello, bob, "bob%40mail.example"), -1);
        row("message's first text counts as filled",
            {ann, kAnnMail, std::string(kReferMessageFirstText), bob, kBobMail}, true,
            RequestFor(ann, "ann%40mail.example", "Your%20Message%0D%0A", bob,
                       "bob%40mail.example"),
            -1);
    }

    void wholeFormAsTyped() {
        const auto fields = FetchedFields();
        const auto [ok, text, field] = Fetch<bool, std::string, int>("ok", "text", "field");
        const ReferOutcome outcome = ReferAFriend(fields, kHosts, kEnglishPlaceholders);
        QCOMPARE(!outcome.message, ok);
        QCOMPARE(outcome.message ? Outcome(outcome.message) : outcome.address, text);
        QCOMPARE(outcome.field ? int(*outcome.field) : -1, field);
    }
};

QTEST_GUILESS_MAIN(TestReferRequest)
#include "test_refer_request.moc"
