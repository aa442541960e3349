// The single-instance guard, between real processes and within this one.

#include "single_instance_guard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>
#include <vector>

using korvane::InstanceClaim;
using korvane::SingleInstanceGuard;

namespace {

// Long enough for a copy to start under Wine on a busy machine; only a failing
// test waits it out.
constexpr int kWaitMs = 30000;

// One copy of the holder program, killed when it goes out of scope.
class Copy {
public:
    explicit Copy(const QString& lockFolder) {
        process_.setProgram(QStringLiteral(HELPER_PATH));
        process_.setArguments({lockFolder});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWaitMs);
        }
    }

    // The first line the copy printed, or an explanation of why there is none.
    QString Answer() {
        if (!process_.waitForStarted(kWaitMs))
            return QStringLiteral("<did not start: %1>").arg(process_.errorString());
        const QDeadlineTimer deadline(kWaitMs);
        while (!process_.canReadLine() && !deadline.hasExpired()) {
            if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
                process_.state() == QProcess::NotRunning)
                break;
        }
        if (!process_.canReadLine())
            return QStringLiteral("<no answer: %1>")
                .arg(QString::fromLocal8Bit(process_.readAll()));
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

    bool Running() const { return process_.state() == QProcess::Running; }

    // True when the copy ended by itself with status 0. It may already have
    // ended while its answer was read (Wine often reports both together), and
    // waitForFinished() is false for a process that has finished.
    bool EndsOnItsOwn() {
        if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(kWaitMs))
            return false;
        return process_.error() != QProcess::FailedToStart &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    // SIGKILL: nothing in the copy gets to clean up after itself.
    void Kill() {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }

private:
    QProcess process_;
};

QString LockFileIn(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("korvane.lock"));
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsTurnedAwayWhileFirstRuns() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        Copy first(folder.path());
        QCOMPARE(first.Answer(), QStringLiteral("First"));

        Copy second(folder.path());
        QCOMPARE(second.Answer(), QStringLiteral("AlreadyRunning"));
        QVERIFY(second.EndsOnItsOwn());
        QVERIFY(first.Running());

        // Turning a copy away does not loosen the first one's hold.
        Copy third(folder.path());
        QCOMPARE(third.Answer(), QStringLiteral("AlreadyRunning"));
    }

    void lockOfKilledCopyDoesNotBlockNextStart() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        Copy crashed(folder.path());
        QCOMPARE(crashed.Answer(), QStringLiteral("First"));
        crashed.Kill();
        // A killed copy cannot remove its lock: the next start must see it
        // is stale.
        QVERIFY2(QFile::exists(LockFileIn(folder)), "the killed copy left no lock behind");

        Copy next(folder.path());
        QCOMPARE(next.Answer(), QStringLiteral("First"));
        QVERIFY(next.Running());

        Copy another(folder.path());
        QCOMPARE(another.Answer(), QStringLiteral("AlreadyRunning"));
    }

    void exactlyOneOfManySimultaneousCopiesRuns() {
        constexpr int kCopies = 8;
        // A few rounds, since a race may go right by chance.
        for (int round = 0; round < 3; ++round) {
            QTemporaryDir folder;
            QVERIFY(folder.isValid());
            std::vector<std::unique_ptr<Copy>> copies;
            for (int i = 0; i < kCopies; ++i)
                copies.push_back(std::make_unique<Copy>(folder.path()));

            QStringList answers;
            int winner = -1;
            for (int i = 0; i < kCopies; ++i) {
                answers.append(copies[i]->Answer());
                if (answers.last() == QLatin1String("First"))
                    winner = i;
            }
            const QByteArray all = answers.join(QLatin1Char(' ')).toLocal8Bit();
            QVERIFY2(answers.count(QStringLiteral("First")) == 1, all.constData());
            QVERIFY2(answers.count(QStringLiteral("AlreadyRunning")) == kCopies - 1,
                     all.constData());
            for (int i = 0; i < kCopies; ++i) {
                if (i != winner)
                    QVERIFY(copies[i]->EndsOnItsOwn());
            }
            QVERIFY(copies[winner]->Running());
        }
    }

    void sameProcessHoldsUntilGuardIsGone() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto holder = std::make_unique<SingleInstanceGuard>(folder.path());
        QCOMPARE(holder->Claim(), InstanceClaim::First);
        QCOMPARE(holder->LockFilePath(), LockFileIn(folder));

        SingleInstanceGuard second(folder.path());
        QCOMPARE(second.Claim(), InstanceClaim::AlreadyRunning);

        holder.reset();
        SingleInstanceGuard afterwards(folder.path());
        QCOMPARE(afterwards.Claim(), InstanceClaim::First);
    }

    void lockFolderThatCannotExistLeavesProgramUnguarded() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QTemporaryFile file;
        QVERIFY(file.open());
        // Below a regular file, a regular file itself, a missing folder.
        for (const QString& lockFolder :
             {file.fileName() + "/sub", file.fileName(), folder.filePath("missing/deeper")})
            QVERIFY2(SingleInstanceGuard(lockFolder).Claim() == InstanceClaim::Unguarded,
                     qPrintable(lockFolder));
    }

    void defaultLockLivesInUserRuntimeFolder() {
#ifdef Q_OS_WIN
        // Windows has no runtime folder: the user's temporary folder stands in.
        const QString runtime = QDir::tempPath();
#else
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
#endif
        QVERIFY2(!runtime.isEmpty(), "the test runs without XDG_RUNTIME_DIR");
        QFile::remove(QDir(runtime).filePath(QStringLiteral("korvane.lock")));

        SingleInstanceGuard guard;
        const QString path = guard.LockFilePath();
        QCOMPARE(QDir::cleanPath(QFileInfo(path).absolutePath()), QDir::cleanPath(runtime));
        QVERIFY2(path.endsWith(QStringLiteral("/korvane.lock")), qPrintable(path));

        QCOMPARE(guard.Claim(), InstanceClaim::First);
        QVERIFY(QFile::exists(path));
        SingleInstanceGuard second;
        QCOMPARE(second.Claim(), InstanceClaim::AlreadyRunning);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)

#include "test_platform_single_instance.moc"
